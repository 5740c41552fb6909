#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The teacher's live-class appearance as the service keeps it: camera on or
// off, the picture shown instead of the camera (a default one or the
// teacher's own), the camera filter and the offered backgrounds. The
// process keeps the last known copy as a singleton and in the key-value
// table; the first use of a process reads the stored copy. Records are
// never freed, so a pointer obtained earlier keeps its values.
// GUI thread only.
class LiveConfig
{
public:
    static constexpr const char *kStoreKey = "table_name_live_config";

    LiveConfig() = default;
    // Reads a server reply and the stored copy alike; a missing key reads as
    // 0, "" or an empty list.
    explicit LiveConfig(const QJsonObject &json);

    // Never null; built from the stored copy on first use.
    static LiveConfig *getInstance();
    // Installs a record built from the stored copy (an absent or broken copy
    // gives the empty record). Writes nothing.
    static void loadFromStore();
    // Installs a record built from the reply and stores it.
    static void updateFromServer(const QJsonObject &json);
    // Changes the singleton in place and stores it: a camera value of 0 or 1,
    // a non-empty picture address and a filter of 0 or more replace their
    // field; other values leave it.
    static void updateAndSave(int cameraOn, const QString &liveProfile, int profileFilter);

    // Every stored field plus "isMenSelected", "isWomenSelected" and
    // "isMyselfSelected" (ignored when read back).
    QJsonObject toJson() const;

    bool isCameraOn() const;
    // live_profile is the men's (entry 0) / women's (entry 1) default picture.
    bool isMenSelected() const;
    bool isWomenSelected() const;
    // live_profile is the teacher's own uploaded picture.
    bool isMyselfSelected() const;

    int camera_on = 0;
    QStringList default_live_profile_backgrounds;
    QStringList default_live_profiles;
    QString live_foreground_profile;
    QString live_profile;
    QString live_profile_background;
    int profile_filter = 0;
    QString user_uploaded_live_profile;
    QString user_uploaded_live_profile_background;
    // The camera in use; kept by the camera pipeline, never stored.
    int cameraIndex = 0;

private:
    static void install(const QJsonObject &json);
    static void store();
    bool isDefaultSelected(int index) const;
};
