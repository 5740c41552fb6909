#pragma once

#include <QObject>

class TQBlackRoomControlPanel;
class TQBroadCastMethodService;
class TQLiveBroadCastContext;
class TQLiveBystanderControlPanel;
class TQPopoverInterface;
class TQStudentControlPanel;
class TQTeacherControlPanel;

// Opens the popovers of the class page. It owns the four panels, which the
// page sees as "teacherControl", "studentControl", "blackRoomPanel" and
// "bystanderControlPanel"; the class context owns the manager.
class TQLivePopoverManager : public QObject
{
    Q_OBJECT

public:
    TQLivePopoverManager();
    ~TQLivePopoverManager() override;

    // Where the panels send the teacher's choices; none is owned.
    void setPopoverInterface(TQPopoverInterface *popoverInterface, TQBroadCastMethodService *methodService,
                             TQLiveBroadCastContext *context);

    TQTeacherControlPanel *teacherPanel() const { return m_pTeacherPanel; }
    TQStudentControlPanel *studentPanel() const { return m_pStudentPanel; }
    TQBlackRoomControlPanel *blackRoomPanel() const { return m_pBlackRoomPanel; }
    TQLiveBystanderControlPanel *bystanderPanel() const { return m_pBystanderPanel; }
    TQPopoverInterface *popoverInterface() const { return m_pPopoverInterface; }

private:
    TQPopoverInterface *m_pPopoverInterface = nullptr;
    // Created in this order.
    TQTeacherControlPanel *const m_pTeacherPanel;
    TQStudentControlPanel *const m_pStudentPanel;
    TQBlackRoomControlPanel *const m_pBlackRoomPanel;
    TQLiveBystanderControlPanel *const m_pBystanderPanel;
    TQBroadCastMethodService *m_pMethodService = nullptr;
    TQLiveBroadCastContext *m_pContext = nullptr;
};
