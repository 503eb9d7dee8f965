#include "ui/dialogs/sidewindows.h"

#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/frmabout.h"

SideWindows::SideWindows() = default;
SideWindows::~SideWindows() = default;

Form2 &SideWindows::phoneModel()
{
    if (!m_phoneModel)
        m_phoneModel = std::make_unique<Form2>();
    return *m_phoneModel;
}

Form3 &SideWindows::copyList()
{
    if (!m_copyList)
        m_copyList = std::make_unique<Form3>();
    return *m_copyList;
}

frmAbout &SideWindows::about()
{
    if (!m_about)
        m_about = std::make_unique<frmAbout>();
    return *m_about;
}

void SideWindows::closeAll()
{
    if (m_phoneModel)
        m_phoneModel->close();
    if (m_copyList)
        m_copyList->close();
    if (m_about)
        m_about->close();
}
