// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/widgets.h"

#include <QAccessibleWidget>

namespace {

// The picture buttons draw their label into their bitmap, so they tell
// assistive technology their name, their tooltip and that they can be pressed.
class ImageControlAccessible final : public QAccessibleWidget
{
public:
    explicit ImageControlAccessible(ImageControl *control)
        : QAccessibleWidget(control,
                            control->kind() == ImageControl::Kind::Button ? QAccessible::Button
                                                                          : QAccessible::Graphic)
    {
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (isButton())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (isButton() && actionName == pressAction() && widget()->isEnabled()) {
            if (auto *relay = widget()->findChild<MouseRelay *>(QString(), Qt::FindDirectChildrenOnly))
                relay->simulateClick(Qt::LeftButton);
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    bool isButton() const
    {
        return static_cast<ImageControl *>(widget())->kind() == ImageControl::Kind::Button;
    }
};

QAccessibleInterface *imageControlFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ImageControl") && object && object->isWidgetType())
        return new ImageControlAccessible(static_cast<ImageControl *>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(imageControlFactory);
}
