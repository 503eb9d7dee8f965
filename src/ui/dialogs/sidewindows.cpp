#include "ui/dialogs/sidewindows.h"

#include "ui/dialogs/phonemodeldialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/helpwindow.h"

SideWindows::SideWindows() = default;
SideWindows::~SideWindows() = default;

PhoneModelDialog &SideWindows::phoneModel()
{
    if (!m_phoneModel) {
        m_phoneModel = std::make_unique<PhoneModelDialog>();
        if (phoneModelMade)
            phoneModelMade(*m_phoneModel);
    }
    return *m_phoneModel;
}

CopyListDialog &SideWindows::copyList()
{
    if (!m_copyList) {
        m_copyList = std::make_unique<CopyListDialog>();
        if (copyListMade)
            copyListMade(*m_copyList);
    }
    return *m_copyList;
}

AboutDialog &SideWindows::about()
{
    if (!m_about)
        m_about = std::make_unique<AboutDialog>();
    return *m_about;
}

HelpWindow &SideWindows::help()
{
    if (!m_help)
        m_help = std::make_unique<HelpWindow>();
    return *m_help;
}

void SideWindows::closeAll()
{
    if (m_phoneModel)
        m_phoneModel->close();
    if (m_copyList)
        m_copyList->close();
    if (m_about)
        m_about->close();
    if (m_help)
        m_help->close();
}
