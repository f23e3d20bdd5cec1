#pragma once

#include <segmora/segmora_export.h>

#include <QJsonObject>
#include <QString>
#include <QVariant>

// Where a host keeps the stored properties of the widgets it places. A value equal to its
// default is never stored, so a widget with all defaults stores nothing.
class SEGMORA_EXPORT PropertyBag
{
public:
    virtual ~PropertyBag();

    // The stored value of `name`, or `defaultValue` when nothing is stored under it.
    virtual QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const = 0;
    // Stores `value` under `name`, or removes it when it equals `defaultValue`.
    virtual void WriteProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue)
        = 0;
};

// A property bag over one JSON object: each stored property is one member.
class SEGMORA_EXPORT JsonPropertyBag final : public PropertyBag
{
public:
    JsonPropertyBag() = default;
    explicit JsonPropertyBag(QJsonObject object);

    QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const override;
    void WriteProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue) override;

    const QJsonObject &object() const { return m_object; }

private:
    QJsonObject m_object;
};
