#include "ui/qt/chart_tools.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

#include "ui/qt/plot_widget.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace ui {

QString with_shortcut(const QString& purpose, const QKeySequence& keys) {
    return QStringLiteral("%1 (%2)").arg(purpose, keys.toString(QKeySequence::NativeText));
}

ChartTools::ChartTools(PlotWidget& plot, QWidget* parent) : QWidget(parent), plot_(plot) {
    setObjectName(QStringLiteral("chartTools"));
    row_ = new QHBoxLayout(this);
    row_->setContentsMargins(0, 0, 0, 0);
    auto* fit = add_button("fitButton", UI_TEXT("ohm7416", "Anpassen"),
                           UI_TEXT("ohm7416", "Wertachse an die gezeigten Werte anpassen"),
                           QKeySequence(Qt::CTRL | Qt::Key_F));
    auto* zoom_in = add_button("zoomInButton", UI_TEXT("ohm7416", "Vergrößern"),
                               UI_TEXT("ohm7416",
                                       "Vergrößern; auch Mausrad oder Rechteck mit "
                                       "der rechten Maustaste"),
                               QKeySequence(QKeySequence::ZoomIn));
    auto* zoom_out = add_button("zoomOutButton", UI_TEXT("ohm7416", "Verkleinern"),
                                UI_TEXT("ohm7416", "Verkleinern; auch Mausrad"),
                                QKeySequence(QKeySequence::ZoomOut));
    auto* reset = add_button("resetViewButton", UI_TEXT("ohm7416", "Zurücksetzen"),
                             UI_TEXT("ohm7416", "Zurück zu den Achsen der Grafik"),
                             QKeySequence(Qt::CTRL | Qt::Key_0));
    copy_ = add_button("copyValuesButton", UI_TEXT("ohm7416", "Daten kopieren"),
                       UI_TEXT("ohm7416", "Die gezeigten Werte in die Zwischenablage kopieren"),
                       QKeySequence(QKeySequence::Copy));
    save_ = add_button("saveValuesButton", UI_TEXT("ohm7416", "Als CSV speichern"),
                       UI_TEXT("ohm7416", "Die gezeigten Werte in eine Datei speichern"),
                       QKeySequence(QKeySequence::Save));
    copy_->hide();
    save_->hide();
    row_->addStretch(1);

    connect(fit, &QPushButton::clicked, this, [this] { plot_.fit_to_data(); });
    connect(zoom_in, &QPushButton::clicked, this,
            [this] { plot_.zoom(0.8, Qt::Horizontal | Qt::Vertical); });
    connect(zoom_out, &QPushButton::clicked, this,
            [this] { plot_.zoom(1.25, Qt::Horizontal | Qt::Vertical); });
    connect(reset, &QPushButton::clicked, this, [this] { plot_.reset_view(); });
    connect(copy_, &QPushButton::clicked, this, [this] {
        if (copy_action_) copy_action_();
    });
    connect(save_, &QPushButton::clicked, this, [this] {
        if (save_action_) save_action_();
    });

    // The chart tells, in its accessible description, how the mouse and keys move it.
    plot.setWhatsThis(shown_text(
        UI_TEXT("ohm7416",
                "Mausrad: zoomen (mit Strg nur waagrecht, mit Umschalt nur senkrecht); Ziehen: "
                "verschieben; rechte Maustaste oder Umschalt+Ziehen: Rechteck zoomen; Pfeiltasten: "
                "Cursor; Strg+Pfeiltasten: verschieben; + und -: zoomen; Esc: Cursor weg")));
    setHidden(plot.isHidden());
    plot.installEventFilter(this);
}

QPushButton* ChartTools::add_button(const char* name, const char* caption, const char* purpose,
                                    const QKeySequence& keys) {
    auto* button = new QPushButton(shown_text(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text());
    button->setToolTip(with_shortcut(shown_text(purpose), keys));
    button->setShortcut(keys);
    // Enter in a dialog stays with its default button.
    button->setAutoDefault(false);
    row_->addWidget(button);
    return button;
}

void ChartTools::set_value_actions(std::function<void()> copy, std::function<void()> save) {
    copy_action_ = std::move(copy);
    save_action_ = std::move(save);
    copy_->setVisible(static_cast<bool>(copy_action_));
    save_->setVisible(static_cast<bool>(save_action_));
}

bool ChartTools::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &plot_ &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        setHidden(plot_.isHidden());
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui
