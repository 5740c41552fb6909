#pragma once

#include <QJsonArray>

#include <string>
#include <vector>

class TQShapeAny;
class TQShapeImageBean;

// The shape catalogue of the shape menu, the teacher's recently used shapes
// and the lookup from a picture's student code to its picture. All static;
// GUI thread only.
class TQShapeData
{
public:
    // Subject folders below "/res/".
    static const char *const kMathFolder;
    static const char *const kPhysicsFolder;
    static const char *const kChemistryFolder;
    static constexpr const char *kRecentKeySuffix = "key_live_class_shape_used";
    static constexpr int kRecentMax = 5;

    // The catalogue of subject 0 (mathematics), 1 (physics) or 2 (chemistry):
    // each category's title entry followed by its items. Empty for any other
    // subject. The entries live as long as the program; the caller gets a
    // copy of the pointers and must not delete them.
    static std::vector<TQShapeAny *> shapesForSubject(int subject);

    // The teacher picked `chosen`. An item of the same code moves to the
    // front (then `chosen` is not taken), else the list takes `chosen` over
    // and puts it in front; past the fifth the oldest is deleted. The list is
    // stored under the signed-in user's key. Returns `list` with a new
    // "最近使用" title entry (the caller's to delete) and the recent items
    // (the list's) in front.
    static std::vector<TQShapeAny *> updateRecentlyUsed(TQShapeImageBean *chosen,
                                                         std::vector<TQShapeAny *> list = {});
    // The signed-in user's recently used items, newest first, loaded from the
    // store when the list has not been loaded for this user yet. The items
    // stay the list's.
    static std::vector<TQShapeImageBean *> recentlyUsed();

    // [{"title", "items_in_category": [item JSON, ...]}, ...]: categories
    // without items and items before the first title are left out.
    static QJsonArray toCategoryJson(const std::vector<TQShapeAny *> &list);

    // The picture of a student code over all three subjects, "" for an
    // unknown code.
    static std::string drawImagePathForStudentCode(int toStudentCode);

private:
    TQShapeData() = delete;
};
