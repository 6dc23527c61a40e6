#include "measure/statistics_group.h"

#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "measure/graph_colours.h"
#include "measure/live_statistics.h"
#include "settings/records.h"
#include "stats/ohm_units.h"
#include "text/number_text.h"
#include "text/text_field.h"
#include "ui/qt/chart_tools.h"
#include "ui/qt/histogram_widget.h"
#include "ui/qt/translation.h"
#include "ui/translatable.h"

namespace measure {

namespace {

// Mean, minimum and maximum as precise as a single-precision value; the spread less.
constexpr int VALUE_DIGITS = 7;
constexpr int SPREAD_DIGITS = 4;

QString text_of(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString index_text(const std::optional<double>& index) {
    return index ? QString::fromStdString(text::format_fixed(*index, 2)) : QStringLiteral("-");
}

QString limit_caption(const char (&text)[20]) {
    return QString::fromStdString(text::field_text_utf8(text, sizeof text));
}

// A marked German text as the operator reads it.
QString shown(const char* german) {
    return ui::shown_text(german);
}

}  // namespace

StatisticsGroup::StatisticsGroup(QWidget* parent)
    : QGroupBox(shown(UI_TEXT("ohm7416", "Statistik")), parent) {
    setObjectName(QStringLiteral("statisticsGroup"));
    setAccessibleName(title());
    auto* grid = new QGridLayout(this);
    const char* const names[FIGURES] = {"statCount",   "statMean",  "statDeviation", "statMinimum",
                                        "statMaximum", "statRange", "statCp",        "statCpk"};
    const QString captions[FIGURES] = {shown(UI_TEXT("ohm7416", "Anzahl")),
                                       shown(UI_TEXT("ohm7416", "Mittelwert")),
                                       shown(UI_TEXT("ohm7416", "Std.Abweichung")),
                                       shown(UI_TEXT("ohm7416", "Minimum")),
                                       shown(UI_TEXT("ohm7416", "Maximum")),
                                       shown(UI_TEXT("ohm7416", "Spannweite")),
                                       QStringLiteral("Cp"),
                                       QStringLiteral("Cpk")};
    for (int f = 0; f < FIGURES; ++f) figures_[f] = add_figure(0, f, captions[f], names[f]);
    const char* const class_names[5] = {"statClass1", "statClass2", "statClass3", "statClass4",
                                        "statClass5"};
    const QString class_texts[5] = {QStringLiteral("<<"), QStringLiteral("<"),
                                    shown(UI_TEXT("ohm7416", "Gut")), QStringLiteral(">"),
                                    QStringLiteral(">>")};
    for (int c = 0; c < 5; ++c) {
        classes_[c] = add_figure(2, c, class_texts[c], class_names[c]);
        class_captions_[c] = static_cast<QLabel*>(grid->itemAtPosition(2, c)->widget());
    }
    overloads_ = add_figure(2, 5, shown(UI_TEXT("ohm7416", "Übersteuert")), "statOverloads");
    references_ = add_figure(2, 6, shown(UI_TEXT("ohm7416", "Ref.Mess.")), "statReferences");
    errors_ = add_figure(2, 7, shown(UI_TEXT("ohm7416", "Fehler")), "statErrors");

    window_ = new HistogramWindow(this);
    auto* histogram = new QPushButton(shown(UI_TEXT("ohm7416", "Histogramm")), this);
    histogram->setObjectName(QStringLiteral("histogramButton"));
    auto* reset = new QPushButton(shown(UI_TEXT("ohm7416", "Statistik zurücksetzen")), this);
    reset->setObjectName(QStringLiteral("statisticsResetButton"));
    const QKeySequence histogram_keys(Qt::CTRL | Qt::Key_H), reset_keys(Qt::CTRL | Qt::Key_R);
    for (auto [button, keys, purpose] :
         {std::tuple{histogram, histogram_keys,
                     shown(UI_TEXT("ohm7416", "Histogramm der Werte zeigen"))},
          std::tuple{reset, reset_keys,
                     shown(UI_TEXT("ohm7416", "Die Statistik beginnt von vorn"))}}) {
        button->setAccessibleName(button->text());
        button->setShortcut(keys);
        button->setToolTip(ui::with_shortcut(purpose, keys));
        button->setAutoDefault(false);
    }
    grid->addWidget(histogram, 0, FIGURES, 2, 1);
    grid->addWidget(reset, 2, FIGURES, 2, 1);
    connect(histogram, &QPushButton::clicked, this, [this] {
        window_->show();
        window_->raise();
        window_->activateWindow();
        refresh(true);
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        live_statistics.reset();
        refresh(true);
    });
}

StatisticsGroup::~StatisticsGroup() = default;

QLabel* StatisticsGroup::add_figure(int row, int column, const QString& caption, const char* name) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* label = new QLabel(caption, this);
    auto* value = new QLabel(QStringLiteral("-"), this);
    value->setObjectName(QString::fromLatin1(name));
    value->setAccessibleName(caption);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough that a figure growing by a digit does not move its neighbours.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000.0000 mOhm")));
    grid->addWidget(label, row, column);
    grid->addWidget(value, row + 1, column);
    return value;
}

void StatisticsGroup::refresh(bool force) {
    const bool group = isVisible(), window = window_->isVisible();
    if (!group && !window) return;
    if (!force && live_statistics.version() == shown_version_) return;
    shown_version_ = live_statistics.version();
    if (group) show_figures();
    if (window) window_->refresh();
}

void StatisticsGroup::show_figures() {
    const stats::SessionStatistics& s = live_statistics;
    const stats::RunningStatistics& v = s.values();
    const stats::OhmUnit unit = stats::unit_for(v.mean().value_or(0.0));
    figures_[COUNT]->setText(QString::number(v.count()));
    figures_[MEAN]->setText(text_of(stats::figure_text(v.mean(), unit, VALUE_DIGITS)));
    figures_[DEVIATION]->setText(text_of(stats::figure_text(v.deviation(), unit, SPREAD_DIGITS)));
    figures_[MINIMUM]->setText(text_of(stats::figure_text(v.minimum(), unit, VALUE_DIGITS)));
    figures_[MAXIMUM]->setText(text_of(stats::figure_text(v.maximum(), unit, VALUE_DIGITS)));
    figures_[RANGE]->setText(text_of(stats::figure_text(v.range(), unit, SPREAD_DIGITS)));
    const stats::Capability capability = s.capability();
    figures_[CP]->setText(index_text(capability.cp));
    figures_[CPK]->setText(index_text(capability.cpk));

    // The classes of the comparator as it is set now; what was counted against other
    // limits shows until the next reset.
    const auto limits = s.limits() ? s.limits() : comparator_limits();
    const bool four = limits ? limits->four() : rec::compare.limit_count == 4;
    for (int c = 0; c < 5; ++c) {
        bool used = four || (c >= 1 && c <= 3);
        classes_[c]->setVisible(used);
        class_captions_[c]->setVisible(used);
        auto percent = s.classes().percent(c);
        classes_[c]->setText(percent
                                 ? QStringLiteral("%1 (%2 %)")
                                       .arg(s.classes().count(c))
                                       .arg(QString::fromStdString(text::format_fixed(*percent, 1)))
                                 : QStringLiteral("-"));
    }
    overloads_->setText(QString::number(s.overloads()));
    references_->setText(QString::number(s.references()));
    errors_->setText(QString::number(s.errors()));
}

HistogramWindow::HistogramWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("histogramWindow"));
    setWindowTitle(shown(UI_TEXT("ohm7416", "Histogramm")));
    auto* layout = new QVBoxLayout(this);
    histogram_ = new ui::HistogramWidget(this);
    histogram_->setObjectName(QStringLiteral("histogram"));
    histogram_->setAccessibleName(windowTitle());
    layout->addWidget(histogram_);
    auto* close = new QPushButton(shown(UI_TEXT("ohm7416", "Schließen")), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAccessibleName(close->text());
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(640, 400);
}

void HistogramWindow::refresh() {
    const stats::SessionStatistics& s = live_statistics;
    std::vector<ui::HistogramWidget::Line> lines;
    const rec::Compare& c = rec::compare;
    if (auto limits = comparator_limits()) {
        QColor inner = limits->four() ? INNER_LIMITS_COLOUR : TWO_LIMITS_COLOUR;
        lines.push_back({limits->lower, inner, limit_caption(c.limit_text_2)});
        lines.push_back({limits->upper, inner, limit_caption(c.limit_text_3)});
        if (limits->four()) {
            lines.push_back({limits->lowest, OUTER_LIMITS_COLOUR, limit_caption(c.limit_text_1)});
            lines.push_back({limits->highest, OUTER_LIMITS_COLOUR, limit_caption(c.limit_text_4)});
        }
    }
    if (auto mean = s.values().mean())
        lines.push_back({*mean, Qt::magenta, shown(UI_TEXT("ohm7416", "Mittelwert"))});
    histogram_->show_histogram(s.histogram(), s.values().deviation(),
                               stats::unit_for(s.values().mean().value_or(0.0)), lines);
}

}  // namespace measure
