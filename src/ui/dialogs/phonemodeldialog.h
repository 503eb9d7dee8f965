#pragma once

#include "core/phonefamily.h"
#include "ui/dialogs/sidewindow.h"

class QPushButton;
class QRadioButton;

// Asks for the phone family before a save. Created once, then shown and
// hidden; the option chosen last stays selected.
class PhoneModelDialog final : public SideWindow
{
    Q_OBJECT
public:
    PhoneModelDialog();

    // The phone paths the user has to copy to, one per line, joined by CR LF.
    static QString copyInstructions(PhoneFamily family);

    PhoneFamily selectedFamily() const;

signals:
    // OK was pressed; the window hides itself right after this.
    void modelConfirmed(PhoneFamily family);
    // The window was closed without choosing a model.
    void dismissed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void retranslate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void confirm();
    void placeCancel();

    QRadioButton *m_n70 = nullptr;
    QRadioButton *m_6630 = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
