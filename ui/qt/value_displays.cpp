#include "ui/qt/value_displays.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace ui {

namespace {

// At most one announcement per display in this many milliseconds; the last change in
// such a span is announced when it ends.
constexpr int ANNOUNCE_SPACING_MS = 250;

class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit DisplayAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return widget()->accessibleName();
            case QAccessible::Description:
                return widget()->accessibleDescription().isEmpty()
                           ? shown()
                           : widget()->accessibleDescription();
            case QAccessible::Value:
                return shown();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // The text interface: what the display shows, read-only, no selection.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QString shown() const { return static_cast<QLabel*>(widget())->text(); }
};

QAccessibleInterface* display_factory(const QString& class_name, QObject* object) {
    if (class_name != QLatin1String("QLabel") || !object || !object->isWidgetType()) return nullptr;
    auto* label = static_cast<QLabel*>(object);
    // A label without a caption of its own is a caption itself; Qt exposes it well.
    if (label->accessibleName().isEmpty()) return nullptr;
    return new DisplayAccessible(label);
}

// Spaces a display's announcements. A child of the display, so it goes with it.
class Announcer : public QObject {
  public:
    explicit Announcer(QWidget* display) : QObject(display), display_(display) {
        pending_.setSingleShot(true);
        connect(&pending_, &QTimer::timeout, this, [this] { announce(); });
    }

    void request() {
        if (!last_.isValid() || last_.elapsed() >= ANNOUNCE_SPACING_MS) {
            announce();
        } else if (!pending_.isActive()) {
            pending_.start(ANNOUNCE_SPACING_MS - static_cast<int>(last_.elapsed()));
        }
    }

  private:
    void announce() {
        last_.restart();
        QAccessibleEvent description(display_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
        // A label's new text goes out as a text change: what screen readers speak.
        if (auto* label = qobject_cast<QLabel*>(display_)) {
            QAccessibleTextUpdateEvent text(display_, 0, announced_, label->text());
            QAccessible::updateAccessibility(&text);
            announced_ = label->text();
        }
    }

    QWidget* display_;
    QString announced_;
    QElapsedTimer last_;
    QTimer pending_;
};

void announce_change(QWidget* display) {
    if (!QAccessible::isActive()) return;
    auto* announcer = display->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer) announcer = new Announcer(display);
    announcer->request();
}

}  // namespace

void install_value_displays() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(display_factory);
}

void show_display_text(QLabel* display, const QString& text) {
    if (display->text() == text) return;
    display->setText(text);
    announce_change(display);
}

void show_display_state(QWidget* display, const QString& state) {
    if (display->accessibleDescription() == state) return;
    display->setAccessibleDescription(state);
    announce_change(display);
}

}  // namespace ui
