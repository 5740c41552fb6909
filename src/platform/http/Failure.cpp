#include "platform/http/Failure.h"

namespace {

struct KindTexts
{
    int kind;
    const char *user;  // shown to the teacher
    const char *debug; // written to logs
};

const KindTexts kKindTexts[] = {
    {Failure::kNetwork, "网络错误", "网络错误"},
    {Failure::kServer, "服务器异常", "服务器错误"},
    {Failure::kData, "数据错误", "数据格式错误"},
    {Failure::kOperation, "", "操作错误"},
    {Failure::kUploadFile, "上传文件失败", "上传文件错误"},
};

const KindTexts *textsOf(int kind)
{
    for (const KindTexts &texts : kKindTexts) {
        if (texts.kind == kind)
            return &texts;
    }
    return nullptr;
}

} // namespace

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
    if (m_kind == kOperation)
        return m_message.isEmpty() ? QStringLiteral("错误码[%1]").arg(m_code) : m_message;
    const KindTexts *texts = textsOf(m_kind);
    return texts ? QString::fromUtf8(texts->user) : QString();
}

QString Failure::getDebugMessage() const
{
    const KindTexts *texts = textsOf(m_kind);
    QString text = texts ? QString::fromUtf8(texts->debug) : QString();
    if (m_code != 0)
        text += QStringLiteral("==错误码[%1]").arg(m_code);
    if (!m_message.isEmpty())
        text += QStringLiteral("==错误信息[%1]").arg(m_message);
    return text;
}
