#include "utils/GlobalConstants.h"

#include <QEvent>

const std::map<int, std::string> &brushColorTable()
{
    static const std::map<int, std::string> table = {
        {0, "FF000000"},   {1, "FFFF0000"},   {2, "FFFF7C00"},   {3, "FFFFE900"},   {4, "FF45E645"},
        {5, "FF841EFF"},   {6, "FF00D0FF"},   {7, "FF3A78E6"},   {8, "FFED00CD"},   {9, "FF439F00"},
        {10, "FFD2D2D2"},  {11, "FFFFFFFF"},  {12, "7FFF6363"},  {13, "7FFF22EC"},  {14, "7FFFF400"},
        {15, "7F5CFF17"},  {16, "7F34FFE9"},  {17, "7FFF108C"},  {18, "FF45E645"},  {19, "FFFFC20F"},
        {20, "FF39B2F5"},  {100, "00000000"}, {101, "FF000000"}, {102, "FFFF0000"}, {103, "FF00FF00"},
        {104, "FF0000FF"}, {105, "FFFFDE00"}, {106, "FFDCDCE0"}, {107, "FFFF7C00"}, {108, "FEFF0000"},
        {109, "FE00FF00"}, {110, "FE0000FF"}, {111, "FEFFDE00"}, {112, "FDFF0000"}, {113, "FEFFFFFF"},
        {114, "FDFFFFFF"}, {115, "FEFF7F00"}, {116, "7FFF4681"}, {117, "7F00FF00"}, {118, "7FFFF500"},
    };
    return table;
}

int actionEventType()
{
    static const int type = QEvent::registerEventType(1001);
    return type;
}

QMap<int, int> &lineHeightCache()
{
    static QMap<int, int> cache;
    return cache;
}

const float kFloatingImageOffsetX = 640 / 2.0f;
const float kFloatingImageOffsetY = 640 / 2.0f;

const QByteArray kMessageSeparatorFirst("&#12&+-X?");
const QByteArray kMessageSeparatorSecond("!;<&8&yc$");

namespace ShapeCatalogueKeys {
const char *const kMath = "math";
const char *const kPhysics = "physics";
const char *const kChemistry = "chemistry";
const char *const kGeneral = "general";
const char *const kFunction = "function";
const char *const kInstrumentsAndForm = "instruments_and_form";
const char *const kNumberLineAndCoordinates = "number_line_and_coordinates";
const char *const kPlaneGeometry = "plane_geometry";
const char *const kThreeDimensionalGeometry = "three_dimensional_geometry";
const char *const kElectromagnetism = "electromagnetism";
const char *const kMechanics = "mechanics";
const char *const kOptical = "optical";
const char *const kTestInstruments = "test_instruments";
} // namespace ShapeCatalogueKeys

QMap<int, QByteArray> &studentCodeMap()
{
    static QMap<int, QByteArray> map;
    return map;
}

const QString kStudentMenuIconPrefix = QStringLiteral("qrc:/res/live_student_menu/");

const QByteArray kClassStatusTexts[4] = {"0", "1", "2", "3"};

const QByteArray kAnswerLetters[9] = {"A", "B", "C", "D", "E", "F", "G", "H", "NO"};

QJsonArray &subjectList()
{
    static QJsonArray list;
    return list;
}

namespace {
// The event type is registered at load so that it is 1001 whenever possible.
[[maybe_unused]] const int kActionEventTypeAtLoad = actionEventType();
} // namespace
