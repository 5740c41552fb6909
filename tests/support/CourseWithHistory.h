#pragma once

class CourseDetailBean;

// A course record for the real-time tests: course id "11", the schedule id,
// app id "app", dynamic key "key", message-channel token "tok", and a board
// history of `history` small strokes "[<index>,77,1,2]". The caller owns it.
CourseDetailBean *newCourseWithHistory(long scheduleId, int history);
