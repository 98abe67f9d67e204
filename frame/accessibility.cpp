// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/accessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>
#include <limits>

namespace frame {

namespace {

constexpr char kValueProperty[] = "arcadeAccessibleValue";

// A number label as AT-SPI's Value interface shows it: its name is what it counts, its value the number.
class AccessibleValueLabel : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleValueLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Label()->text();
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Label()->text();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return Label()->text().toInt(); }
    void setCurrentValue(const QVariant&) override {}  // shown, never set by the player
    QVariant maximumValue() const override { return std::numeric_limits<int>::max(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    QLabel* Label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* ValueLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QLabel") && object && object->property(kValueProperty).toBool())
        return new AccessibleValueLabel(static_cast<QLabel*>(object));
    return nullptr;
}

}  // namespace

void Describe(QWidget* widget, const QString& name, const QString& description) {
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

void MakeAccessibleValue(QLabel* label, const QString& name) {
    static const bool installed = [] {
        QAccessible::installFactory(ValueLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
    label->setProperty(kValueProperty, true);
    // An interface made before (Qt makes one when a label's first text is set) is not a value: drop it, so
    // the next query makes one through the factory.
    QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(label);
    if (existing && !existing->valueInterface())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    label->setAccessibleName(name);
}

int SetValue(QLabel* label, const QString& text) {
    const QString before = label->text();
    if (before == text) return before.toInt();
    label->setText(text);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(label, text.toInt());
        QAccessible::updateAccessibility(&event);
    }
    return before.toInt();
}

void Announce(QWidget* source, const QString& text) {
    if (source->accessibleDescription() != text) {
        source->setAccessibleDescription(text);  // sends the description change itself
        return;
    }
    QAccessibleEvent event(source, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace frame
