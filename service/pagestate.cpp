#include "pagestate.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace websb {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString keyOf(const BoardField &field)
{
    return QString::fromLatin1(field.key.data(), static_cast<qsizetype>(field.key.size()));
}

} // namespace

std::string pageJson(std::string_view page, const PageState &state)
{
    QJsonObject values;
    for (std::size_t i = 0; i < BoardFields.size(); ++i) {
        values.insert(keyOf(BoardFields[i]), fromUtf8(state.values[i]));
    }
    QJsonObject object;
    object.insert(QStringLiteral("page"), fromUtf8(page));
    object.insert(QStringLiteral("updated"),
        state.updatedMs > 0 ? QJsonValue(
            QDateTime::fromMSecsSinceEpoch(state.updatedMs, Qt::UTC).toString(Qt::ISODateWithMs))
                            : QJsonValue());
    object.insert(QStringLiteral("updatedMs"), state.updatedMs);
    object.insert(QStringLiteral("final"), state.final);
    object.insert(QStringLiteral("values"), values);
    if (state.match) {
        insertMatch(object, *state.match);
    }
    if (state.teams) {
        insertTeams(object, *state.teams);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

bool pageStateFromJson(
    const QByteArray &json, std::string_view page, PageState &state, QString &error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        error = parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                             : QStringLiteral("not an object");
        return false;
    }
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("page")).toString() != fromUtf8(page)) {
        error = QStringLiteral("it belongs to another page");
        return false;
    }
    const QJsonValue updated = object.value(QStringLiteral("updatedMs"));
    const QJsonValue final = object.value(QStringLiteral("final"));
    const QJsonValue values = object.value(QStringLiteral("values"));
    if (!updated.isDouble() || updated.toDouble() < 0 || !final.isBool() || !values.isObject()) {
        error = QStringLiteral("updatedMs, final or values is missing or of the wrong type");
        return false;
    }
    PageState read;
    read.updatedMs = updated.toInteger();
    read.final = final.toBool();
    const QJsonObject valueObject = values.toObject();
    for (std::size_t i = 0; i < BoardFields.size(); ++i) {
        const QJsonValue value = valueObject.value(keyOf(BoardFields[i]));
        if (!value.isString()) {
            error = QStringLiteral("values.%1 is missing or not text").arg(keyOf(BoardFields[i]));
            return false;
        }
        read.values[i] = value.toString().toStdString();
        if (!isValidValue(BoardFields[i], read.values[i])) {
            error = QStringLiteral("values.%1 is out of shape").arg(keyOf(BoardFields[i]));
            return false;
        }
    }
    if (!matchFromJson(object, read.match, error) || !teamsFromJson(object, read.teams, error)) {
        return false;
    }
    state = std::move(read);
    return true;
}

} // namespace websb
