#pragma once

#include <memory>

class AboutDialog;
class CopyListDialog;
class PhoneModelDialog;

// The three windows beside the main one, each made on first use and kept
// until the end.
class SideWindows final
{
public:
    SideWindows();
    ~SideWindows();

    PhoneModelDialog &phoneModel();
    CopyListDialog &copyList();
    AboutDialog &about();
    // Closes those that were made.
    void closeAll();

private:
    std::unique_ptr<PhoneModelDialog> m_phoneModel;
    std::unique_ptr<CopyListDialog> m_copyList;
    std::unique_ptr<AboutDialog> m_about;
};
