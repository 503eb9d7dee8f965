#pragma once

#include <functional>
#include <memory>

class AboutDialog;
class CopyListDialog;
class HelpWindow;
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
    HelpWindow &help();
    // Closes those that were made.
    void closeAll();

    // Called once with the window when it is made, to connect to it.
    std::function<void(PhoneModelDialog &)> phoneModelMade;
    std::function<void(CopyListDialog &)> copyListMade;

private:
    std::unique_ptr<PhoneModelDialog> m_phoneModel;
    std::unique_ptr<CopyListDialog> m_copyList;
    std::unique_ptr<AboutDialog> m_about;
    std::unique_ptr<HelpWindow> m_help;
};
