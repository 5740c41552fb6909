#include "shapes/TQShapeData.h"

#include "modules/login/LoginManager.h"
#include "shapes/TQShapeImageBean.h"
#include "shapes/TQShapeTypeBean.h"
#include "utils/CLog.h"
#include "utils/KV.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <map>

const char *const TQShapeData::kMathFolder = "math";
const char *const TQShapeData::kPhysicsFolder = "physics";
const char *const TQShapeData::kChemistryFolder = "chemistry";

namespace {

struct CatalogueItem
{
    int code;
    // Icon "shape_<name>.png"; picture "shape_image_<picture or name>.png".
    const char *name;
    const char *picture = nullptr;
};

struct CatalogueCategory
{
    int subject;
    const char *title;
    const char *folder;
    std::vector<CatalogueItem> items;
};

// The menu's categories and items in the order the menu shows them (not code order).
const std::vector<CatalogueCategory> &catalogue()
{
    static const std::vector<CatalogueCategory> categories{
        {0, "基础图形", "general",
         {{1000, "arrow_left"}, {1001, "arrow_right"}, {1002, "arrow_up"}, {1003, "arrow_down"},
          {1004, "arrow_two_side"}, {1005, "big_parantheses_left"}, {1006, "big_parantheses_right"},
          {1007, "brackets_left"}, {1008, "brackets_right"}, {1009, "curve"}, {1010, "fill_arrow_up"},
          {1011, "fill_arrow_down"}, {1012, "fill_arrow_left"}, {1013, "fill_arrow_right"},
          {1015, "fill_direction_up_left"}}},
        {0, "数轴与坐标", "number_line_and_coordinates",
         {{2002, "coordinates"}, {2003, "coordinates_marked"}, {2004, "coordinates_meshed"},
          {2005, "coordinates_tight_meshed"}, {2000, "axisline"}, {2006, "right_coordinates"},
          {2007, "right_coordinates_marked"}, {2008, "right_coordinates_meshed"},
          {2009, "right_coordinates_tight_meshed"}, {2001, "axisline_marked"}}},
        {0, "器具与表格", "instruments_and_form",
         {{2100, "image_anglemeter_icon", "anglemeter"}, {2101, "tabular"}}},
        {0, "平面几何图形", "plane_geometry",
         {{2201, "line"}, {2202, "line_dotted"}, {2200, "point"}, {2203, "segment_line"},
          {2204, "directional_line"}, {2205, "angle"}, {2300, "triangle"}, {2301, "triangle_right"},
          {2302, "triangle_isosceles"}, {2303, "triangle_isosceles_right"}, {2304, "triangle_equallateral"},
          {2305, "triangle_fixed"}, {2306, "4edges"}, {2307, "rectangle"}, {2308, "square"}, {2309, "rhombus"},
          {2310, "parallelogram"}, {2311, "trapezoid"}, {2312, "trapezoid_right"}, {2313, "trapezoid_isosceles"},
          {2314, "polygon"}, {2315, "circle"}, {2316, "partial_circle"}, {2317, "ellipse"}}},
        {0, "立体几何图形", "three_dimensional_geometry",
         {{2400, "cuboid"}, {2401, "cube"}, {2402, "globe"}, {2403, "cylinder"}, {2404, "cone"},
          {2405, "triangle_paramid"}, {2406, "prismTriangle"}, {2407, "square_paramid"}}},
        {0, "函数", "function",
         {{2500, "linear"}, {2501, "hyperbola"}, {2502, "parabola"}, {2503, "cubic_curve"},
          {2516, "parabola_level"}, {2504, "square_root"}, {2505, "cubic_root"}, {2515, "xytote"},
          {2518, "xytote_level"}, {2517, "xytote_level_with_assist"}, {2506, "sine"}, {2507, "cosine"},
          {2508, "tangent"}, {2511, "exp_on10"}, {2512, "log10x"}, {2513, "exp_on2"}, {2514, "log2x"},
          {2509, "exp_onE"}, {2510, "lnx"}}},
        {1, "力学", "mechanics",
         {{3000, "slider"}, {3001, "libra"}, {3002, "weight5"}, {3003, "weight10"}, {3004, "weight20"},
          {3005, "weight50"}, {3006, "weight100"}, {3007, "weight200"}, {3008, "roller1"}, {3009, "roller2"},
          {3010, "roller3"}, {3011, "simple_pendulum"}, {3012, "lever"}, {3013, "slope"}}},
        {1, "光学", "optical",
         {{3100, "lens_positive"}, {3101, "lens_negative"}, {3102, "ray1"}, {3103, "ray2"}}},
        {1, "电磁学", "electromagnetism",
         {{3200, "magnetics_coil1"}, {3201, "magnetics_coil2"}, {3202, "magnetics_bar1"},
          {3203, "magnetics_bar2"}, {3204, "magnetics_bar4"}, {3205, "magnetics_bar3"},
          {3206, "mag_electron"}, {3207, "battery_direct1"}, {3208, "battery_direct2"},
          {3209, "battery_alternate"}, {3210, "capacitor"}, {3211, "resistor1"}, {3212, "resistor2"},
          {3213, "resistor3"}, {3214, "resistor4"}, {3215, "resistor5"}, {3216, "touch_earth"},
          {3217, "current1"}, {3218, "current2"}, {3219, "voltage1"}, {3220, "voltage2"},
          {3221, "transformer"}, {3222, "motor"}, {3223, "ring"}, {3224, "bulb"}, {3225, "buzzer"},
          {3226, "diode1"}, {3227, "diode2"}, {3228, "switch_single_pole"},
          {3229, "switch_single_pole_double_throw"}}},
        {2, "实验器材", "test_instruments",
         {{4000, "chemistry_acid_drop_pipe"}, {4001, "chemistry_air_acid_equip"}, {4002, "chemistry_air_collector"},
          {4003, "chemistry_air_handler"}, {4004, "chemistry_air_squeezer"}, {4005, "chemistry_bottle_filter"},
          {4006, "chemistry_bottle"}, {4007, "chemistry_bottleliquid_filter"}, {4008, "chemistry_cone_bottle"},
          {4009, "chemistry_downair"}, {4010, "chemistry_drop_pipe"}, {4011, "chemistry_ground_pan"},
          {4012, "chemistry_hard_pipe"}, {4013, "chemistry_horn_pipe"}, {4014, "chemistry_ju_tube"},
          {4015, "chemistry_longneck_filter"}, {4016, "chemistry_measure_tube"}, {4017, "chemistry_pan"},
          {4018, "chemistry_pear_filter"}, {4019, "chemistry_qipu_generator"}, {4020, "chemistry_round_bottle"},
          {4021, "chemistry_slim_bottle"}, {4022, "chemistry_solidliquid_air1"},
          {4023, "chemistry_solidliquid_air2"}, {4024, "chemistry_solidsolid_air"},
          {4025, "chemistry_surface_pan"}, {4026, "chemistry_threeneck_bottle"},
          {4027, "chemistry_triangle_filter"}, {4028, "chemistry_tube"}, {4029, "chemistry_upair"},
          {4030, "chemistry_upipe"}, {4031, "chemistry_vapor_bottle"}, {4032, "chemistry_vapor_pan"},
          {4033, "chemistry_volume_bottle"}, {4034, "chemistry_volume_upipe"}, {4035, "chemistry_washair"},
          {4036, "chemistry_wide_bottle"}, {4037, "chemistry_alcohol_lamp1"}, {4038, "chemistry_alcohol_lamp2"},
          {4039, "chemistry_alcohol_lamp3"}, {4040, "chemistry_board_drop"}, {4041, "chemistry_dryer_duct"},
          {4042, "chemistry_dryer_round"}, {4043, "chemistry_duct_901"}, {4044, "chemistry_duct_902"},
          {4045, "chemistry_duct_ducttape"}, {4046, "chemistry_duct_rubber"}, {4047, "chemistry_duct_straight"},
          {4048, "chemistry_duct_t"}, {4049, "chemistry_duct_y"}, {4050, "chemistry_ducttape"},
          {4051, "chemistry_net_asbestos"}, {4052, "chemistry_pan_plier"}, {4053, "chemistry_plier"},
          {4054, "chemistry_slice_glass"}, {4055, "chemistry_spoon"}, {4056, "chemistry_stick_glass"},
          {4057, "chemistry_table_circle"}, {4058, "chemistry_table_plier"}, {4059, "chemistry_triangle_earth"},
          {4060, "chemistry_tube_long"}, {4061, "chemistry_tube_plier"}, {4062, "chemistry_water_plier"}}},
    };
    return categories;
}

// The pictures' numbers on the students' side: codes first..last get
// studentCode, studentCode + 1, ... They are the pictures' identity on the
// wire, so they never follow the codes where the table says otherwise
// (3204 has 22, 3205 has 21).
struct StudentCodeRange
{
    int first;
    int last;
    int studentCode;
};

const StudentCodeRange kStudentCodes[] = {
    {2100, 2100, 1},  {3000, 3010, 2},  {3011, 3013, 110}, {3100, 3103, 13}, {3200, 3203, 17},
    {3204, 3204, 22}, {3205, 3205, 21}, {3206, 3227, 23},  {3228, 3229, 108}, {4000, 4062, 45},
};

int studentCodeFor(int code)
{
    for (const StudentCodeRange &range : kStudentCodes) {
        if (code >= range.first && code <= range.last)
            return range.studentCode + code - range.first;
    }
    return -1;
}

const char *subjectFolder(int subject)
{
    switch (subject) {
    case 0:
        return TQShapeData::kMathFolder;
    case 1:
        return TQShapeData::kPhysicsFolder;
    case 2:
        return TQShapeData::kChemistryFolder;
    default:
        return nullptr;
    }
}

std::vector<TQShapeAny *> buildSubject(int subject)
{
    // The icon path is relative to the menu's QML, two folders below the
    // resource root; the picture is read by the native image loader.
    static const std::string qmlPrefix = "../../res/";
    static const std::string resourcePrefix = ":/res/";
    std::vector<TQShapeAny *> list;
    for (const CatalogueCategory &category : catalogue()) {
        if (category.subject != subject)
            continue;
        list.push_back(new TQShapeTypeBean(category.title));
        const std::string folder = std::string(subjectFolder(subject)) + "/" + category.folder;
        for (const CatalogueItem &item : category.items) {
            const int studentCode = studentCodeFor(item.code);
            std::string picture;
            if (studentCode > 0)
                picture = resourcePrefix + folder + "/shape_image_" + (item.picture ? item.picture : item.name) + ".png";
            list.push_back(new TQShapeImageBean(qmlPrefix + folder + "/shape_" + item.name + ".png", item.code,
                                                subject, studentCode, picture));
        }
    }
    return list;
}

// The recently used items and the user they belong to. A teacher who signs
// in after another within the same run gets her own list, and every write
// goes under the key of the user the list was loaded for.
struct RecentList
{
    std::vector<TQShapeImageBean *> items; // owned
    bool loaded = false;
    QString userId;
};

RecentList &recent()
{
    static RecentList list;
    return list;
}

std::string recentKey(const QString &userId)
{
    return (userId + QLatin1String(TQShapeData::kRecentKeySuffix)).toStdString();
}

// Makes the list the signed-in user's, reading her stored list when it was
// loaded for someone else (or not at all).
RecentList &currentRecent()
{
    RecentList &list = recent();
    const QString userId = LoginManager::getUserID();
    if (list.loaded && list.userId == userId)
        return list;
    for (TQShapeImageBean *item : list.items)
        delete item;
    list.items.clear();
    list.loaded = true;
    list.userId = userId;
    const QJsonValue stored = KV::getJsonValue(recentKey(userId));
    if (!stored.isArray())
        return list;
    for (const QJsonValue &value : stored.toArray()) {
        // A hand-edited store may hold anything: keep the list's promises of
        // one item per code and at most five.
        if (!value.isObject() || int(list.items.size()) >= TQShapeData::kRecentMax)
            continue;
        TQShapeImageBean *item = TQShapeImageBean::fromJson(value.toObject());
        const bool known = std::any_of(list.items.begin(), list.items.end(),
                                       [item](const TQShapeImageBean *other) { return other->code == item->code; });
        if (known)
            delete item;
        else
            list.items.push_back(item);
    }
    return list;
}

} // namespace

std::vector<TQShapeAny *> TQShapeData::shapesForSubject(int subject)
{
    static std::vector<TQShapeAny *> lists[3];
    static bool built[3] = {false, false, false};
    if (subject < 0 || subject > 2)
        return {};
    if (!built[subject]) {
        lists[subject] = buildSubject(subject);
        built[subject] = true;
    }
    return lists[subject];
}

std::vector<TQShapeAny *> TQShapeData::updateRecentlyUsed(TQShapeImageBean *chosen, std::vector<TQShapeAny *> list)
{
    RecentList &recentList = currentRecent();
    std::vector<TQShapeImageBean *> &items = recentList.items;
    auto found = std::find_if(items.begin(), items.end(),
                              [chosen](const TQShapeImageBean *item) { return item->code == chosen->code; });
    if (found != items.end()) {
        TQShapeImageBean *stored = *found;
        items.erase(found);
        items.insert(items.begin(), stored);
    } else {
        items.insert(items.begin(), chosen);
    }
    while (int(items.size()) > kRecentMax) {
        delete items.back();
        items.pop_back();
    }

    QJsonArray stored;
    for (const TQShapeImageBean *item : items)
        stored.append(item->toJson());
    const std::string key = recentKey(recentList.userId);
    KV::setJsonValue(key, stored);
    const QJsonValue readBack = KV::getJsonValue(key);
    CLog::debug(QStringLiteral("get recent shape from json %1")
                    .arg(QString::fromUtf8(QJsonDocument(readBack.toArray()).toJson(QJsonDocument::Indented))));

    std::vector<TQShapeAny *> result;
    result.push_back(new TQShapeTypeBean("最近使用"));
    result.insert(result.end(), items.begin(), items.end());
    result.insert(result.end(), list.begin(), list.end());
    CLog::debug(QStringLiteral("update recent size %1").arg(items.size()));
    return result;
}

std::vector<TQShapeImageBean *> TQShapeData::recentlyUsed()
{
    return currentRecent().items;
}

QJsonArray TQShapeData::toCategoryJson(const std::vector<TQShapeAny *> &list)
{
    QJsonArray categories;
    const TQShapeTypeBean *open = nullptr;
    QJsonArray items;
    auto close = [&]() {
        if (open && !items.isEmpty()) {
            QJsonObject category;
            category.insert(QStringLiteral("title"), QString::fromStdString(open->title));
            category.insert(QStringLiteral("items_in_category"), items);
            categories.append(category);
        }
        items = QJsonArray();
    };
    for (const TQShapeAny *entry : list) {
        if (const auto *title = dynamic_cast<const TQShapeTypeBean *>(entry)) {
            close();
            open = title;
        } else if (const auto *item = dynamic_cast<const TQShapeImageBean *>(entry)) {
            if (open)
                items.append(item->toJson());
        }
    }
    close();
    return categories;
}

std::string TQShapeData::drawImagePathForStudentCode(int toStudentCode)
{
    static std::map<int, std::string> pictures;
    static bool built = false;
    if (!built) {
        for (int subject = 0; subject <= 2; ++subject) {
            for (const TQShapeAny *entry : shapesForSubject(subject)) {
                const auto *item = dynamic_cast<const TQShapeImageBean *>(entry);
                if (item && item->toStudentCode > 0)
                    pictures[item->toStudentCode] = item->drawImagePath;
            }
        }
        built = true;
    }
    const auto found = pictures.find(toStudentCode);
    return found == pictures.end() ? std::string() : found->second;
}
