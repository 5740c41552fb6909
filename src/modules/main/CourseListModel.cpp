#include "modules/main/CourseListModel.h"

CourseListModel::CourseListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int CourseListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant CourseListModel::data(const QModelIndex &index, int role) const
{
    const CourseScheduleEntry *entry = entryAt(index.row());
    if (!entry || index.parent().isValid())
        return QVariant();
    switch (role) {
    case CourseIdRole:
        return entry->courseId();
    case CourseScheduleIdRole:
        return entry->courseScheduleId();
    case StartTypeRole:
        return entry->startType();
    case Qt::DisplayRole:
    case TitleRole:
        return entry->title();
    case NumberTextRole:
        return entry->numberText();
    case SizeTextRole:
        return entry->sizeText();
    case TimeTextRole:
        return entry->timeText();
    case TagSourceRole:
        return entry->tagSource();
    case ButtonStateRole:
        return entry->buttonStateName();
    case ButtonTextRole:
        return entry->buttonText();
    case LiveValidRole:
        return entry->liveValid();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> CourseListModel::roleNames() const
{
    return {
        {CourseIdRole, "courseId"},
        {CourseScheduleIdRole, "courseScheduleId"},
        {StartTypeRole, "startType"},
        {TitleRole, "title"},
        {NumberTextRole, "numberText"},
        {SizeTextRole, "sizeText"},
        {TimeTextRole, "timeText"},
        {TagSourceRole, "tagSource"},
        {ButtonStateRole, "buttonState"},
        {ButtonTextRole, "buttonText"},
        {LiveValidRole, "liveValid"},
    };
}

void CourseListModel::setEntries(const QVector<CourseScheduleEntry> &entries)
{
    const int before = m_entries.size();
    beginResetModel();
    m_entries = entries;
    endResetModel();
    if (before != m_entries.size())
        emit countChanged();
}

void CourseListModel::clear()
{
    setEntries({});
}

const CourseScheduleEntry *CourseListModel::entryAt(int row) const
{
    if (row < 0 || row >= m_entries.size())
        return nullptr;
    return &m_entries.at(row);
}
