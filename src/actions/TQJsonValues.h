#pragma once

#include <QJsonValue>
#include <QtGlobal>

#include <string>

// Forgiving reads of received JSON numbers, for the envelope and the image
// partition: true/false give 1/0; null, missing, objects and arrays give 0; a
// string is read as a base-10 integer (blanks around it and a sign allowed, 0
// when it is not one or does not fit). Numbers: jsonToInt takes whole numbers
// within the int range only (else 0); jsonToLong and jsonToInt64 truncate
// toward zero and give 0 when the value does not fit.
int jsonToInt(const QJsonValue &value);
qint32 jsonToLong(const QJsonValue &value);
qint64 jsonToInt64(const QJsonValue &value);

// A JSON string's UTF-8 text; "" for any other value.
std::string jsonToStdString(const QJsonValue &value);

// Appends text as a JSON string: quotes, backslashes and control characters
// escaped, every other byte (UTF-8 included) unchanged.
void appendJsonString(std::string &out, const std::string &text);
