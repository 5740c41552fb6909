#pragma once

#include <QString>

// One entry of a help section. No reply fills these: the section's list
// stays empty and is not stored.
struct HelpItem
{
    QString name;
    QString file_url;
    QString preview_image_url;
    int flag = 0;
};
