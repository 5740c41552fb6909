#pragma once

#include "modules/main/CourseScheduleEntry.h"

#include <QAbstractListModel>
#include <QVector>

// One list of course cards for QML: every row is a CourseScheduleEntry, its
// roles are the texts and states the card draws. Replaced as a whole.
class CourseListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Role {
        CourseIdRole = Qt::UserRole + 1,
        CourseScheduleIdRole,
        StartTypeRole,
        TitleRole,
        NumberTextRole,
        SizeTextRole,
        TimeTextRole,
        TagSourceRole,
        ButtonStateRole,
        ButtonTextRole,
        LiveValidRole,
    };
    Q_ENUM(Role)

    explicit CourseListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void setEntries(const QVector<CourseScheduleEntry> &entries);
    void clear();
    const CourseScheduleEntry *entryAt(int row) const;

signals:
    void countChanged();

private:
    QVector<CourseScheduleEntry> m_entries;
};
