#include <segmora/propertybag.h>

#include <QJsonValue>

PropertyBag::~PropertyBag() = default;

JsonPropertyBag::JsonPropertyBag(QJsonObject object)
    : m_object(std::move(object))
{
}

QVariant JsonPropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const auto it = m_object.constFind(name);
    if (it == m_object.constEnd()) {
        return defaultValue;
    }
    return it->toVariant();
}

void JsonPropertyBag::WriteProperty(
    const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    if (value == defaultValue) {
        m_object.remove(name);
        return;
    }
    m_object.insert(name, QJsonValue::fromVariant(value));
}
