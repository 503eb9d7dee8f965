#pragma once

#include <memory>

class Form2;
class Form3;
class frmAbout;

// The three windows beside the main one, each made on first use and kept
// until the end.
class SideWindows final
{
public:
    SideWindows();
    ~SideWindows();

    Form2 &phoneModel();
    Form3 &copyList();
    frmAbout &about();
    // Closes those that were made.
    void closeAll();

private:
    std::unique_ptr<Form2> m_phoneModel;
    std::unique_ptr<Form3> m_copyList;
    std::unique_ptr<frmAbout> m_about;
};
