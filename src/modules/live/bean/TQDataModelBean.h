#pragma once

class CourseDetailBean;

// Process-wide data of the live class.
class TQDataModelBean
{
public:
    // The current course: null until the first course-detail reply. Only the
    // live-class window replaces (and deletes) it; everyone else reads it on
    // the GUI thread and checks for null.
    static CourseDetailBean *m_pOngoingCourse;

private:
    TQDataModelBean() = delete;
};
