#include "platform/http/Failure.h"

Failure::Failure(int kind, int code, const QString &message) : m_kind(kind), m_code(code), m_message(message) {}

Failure Failure::networkError()
{
    return Failure(kNetwork);
}

Failure Failure::serverError()
{
    return Failure(kServer);
}

Failure Failure::dataError()
{
    return Failure(kData);
}

Failure Failure::operationError(int code, const QString &message)
{
    return Failure(kOperation, code, message);
}

Failure Failure::uploadFileError()
{
    return Failure(kUploadFile);
}

void Failure::setCode(int code)
{
    m_code = code;
}

void Failure::setMessage(const QString &message)
{
    m_message = message;
}

int Failure::getKind() const
{
    return m_kind;
}

int Failure::getCode() const
{
    return m_code;
}

QString Failure::getMessage() const
{
    return m_message;
}

bool Failure::isOperationError() const
{
    return m_kind == kOperation;
}

QString Failure::getMessageForUser() const
{
    switch (m_kind) {
    case kNetwork:
        return QStringLiteral("网络错误");
    case kServer:
        return QStringLiteral("服务器异常");
    case kData:
        return QStringLiteral("数据错误");
    case kOperation:
        return m_message.isEmpty() ? QStringLiteral("错误码[%1]").arg(m_code) : m_message;
    case kUploadFile:
        return QStringLiteral("上传文件失败");
    default:
        return QString();
    }
}

QString Failure::getDebugMessage() const
{
    QString text;
    switch (m_kind) {
    case kNetwork:
        text = QStringLiteral("网络错误");
        break;
    case kServer:
        text = QStringLiteral("服务器错误");
        break;
    case kData:
        text = QStringLiteral("数据格式错误");
        break;
    case kOperation:
        text = QStringLiteral("操作错误");
        break;
    case kUploadFile:
        text = QStringLiteral("上传文件错误");
        break;
    default:
        break;
    }
    if (m_code != 0)
        text += QStringLiteral("==错误码[%1]").arg(m_code);
    if (!m_message.isEmpty())
        text += QStringLiteral("==错误信息[%1]").arg(m_message);
    return text;
}
