#pragma once

#include <string>
#include <vector>

// What the random-pick dialog asks of the class: one call per teacher action.
class TQRandomSelectInterface
{
public:
    virtual ~TQRandomSelectInterface() = default;

    // The draw starts rolling over these students (user ids as decimal texts).
    virtual void startRandomSelect(const std::vector<std::string> &userIds) { (void)userIds; }
    virtual void stopRandomSelect(int userId) { (void)userId; }
    virtual void closeRandomSelect() {}
    // The picked student goes on the stage.
    virtual void upstage(int userId) { (void)userId; }
};
