#include "actions/TQMessageEnvelope.h"

#include "actions/TQActionTextWriter.h"
#include "actions/TQJsonValues.h"

namespace {

void appendNumberMember(std::string &out, const char *key, qint64 value)
{
    out += key;
    out += '"';
    TQActionTextWriter::appendNumber(out, value);
    out += '"';
}

} // namespace

std::string TQMessageEnvelope::toJson() const
{
    std::string json;
    json.reserve(tqMsg.size() + 80);
    json += "{\"tqMsg\":";
    appendJsonString(json, tqMsg);
    appendNumberMember(json, ",\"tqRec\":", tqRec);
    appendNumberMember(json, ",\"tqTm\":", tqTm);
    appendNumberMember(json, ",\"tqType\":", tqType);
    json += '}';
    return json;
}

TQMessageEnvelope TQMessageEnvelope::fromJson(const QJsonObject &object)
{
    TQMessageEnvelope envelope;
    envelope.tqMsg = jsonToStdString(object.value(QLatin1String("tqMsg")));
    envelope.tqType = jsonToInt(object.value(QLatin1String("tqType")));
    envelope.tqRec = jsonToInt(object.value(QLatin1String("tqRec")));
    envelope.tqTm = jsonToInt64(object.value(QLatin1String("tqTm")));
    return envelope;
}
