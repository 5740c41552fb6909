#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <map>
#include <string>

// Vocabulary shared by the protocol, the board, the classroom and the shape
// catalogue. Everything here is built before main() and lives until exit.

// Brush colours by colour code (0-20, 100-118) as "AARRGGBB", upper case.
const std::map<int, std::string> &brushColorTable();

// The event type every drawing-engine action event is posted with.
int actionEventType();

// Line height in pixels by rounded font size; filled by the text drawing.
QMap<int, int> &lineHeightCache();

// Initial placement of a floating image: half the initial board height.
extern const float kFloatingImageOffsetX;
extern const float kFloatingImageOffsetY;

// Separators of public-message texts: messages are split at the second,
// each message at the first.
extern const QByteArray kMessageSeparatorFirst;
extern const QByteArray kMessageSeparatorSecond;

// Shape catalogue folders: "/res/" + subject + "/" + category + "/".
namespace ShapeCatalogueKeys {
extern const char *const kMath;
extern const char *const kPhysics;
extern const char *const kChemistry;
extern const char *const kGeneral;
extern const char *const kFunction;
extern const char *const kInstrumentsAndForm;
extern const char *const kNumberLineAndCoordinates;
extern const char *const kPlaneGeometry;
extern const char *const kThreeDimensionalGeometry;
extern const char *const kElectromagnetism;
extern const char *const kMechanics;
extern const char *const kOptical;
extern const char *const kTestInstruments;
} // namespace ShapeCatalogueKeys

// Drawing image path by a shape's student code; filled by the catalogue.
QMap<int, QByteArray> &studentCodeMap();

// Icons of the student control panel are this prefix + a file name.
extern const QString kStudentMenuIconPrefix;

// Class status texts of the status snapshot.
extern const QByteArray kClassStatusTexts[4];

// Choice-question answer letters; the classroom spells answers with A-F.
extern const QByteArray kAnswerLetters[9];

// Subject entries of the shape menu; filled on first use.
QJsonArray &subjectList();
