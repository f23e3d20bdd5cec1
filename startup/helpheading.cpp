#include "helpheading.h"

#include <QAccessibleWidget>

namespace {

class HeadingAccessible final : public QAccessibleWidget
{
public:
    explicit HeadingAccessible(HelpHeading *heading)
        : QAccessibleWidget(heading, QAccessible::Heading)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            return static_cast<const QLabel *>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *headingFactory(const QString &className, QObject *object)
{
    auto *heading = qobject_cast<HelpHeading *>(object);
    return className == QLatin1String("HelpHeading") && heading ? new HeadingAccessible(heading)
                                                                : nullptr;
}

} // namespace

HelpHeading::HelpHeading(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    QAccessible::installFactory(&headingFactory);
}
