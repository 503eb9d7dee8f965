#pragma once

#include "core/phonefamily.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

// "Export for the phone": the target folder, the phone family and the
// optional folder of the engine's files, with what the export would meet
// shown below them. It only asks; the export command does the work.
class ExportDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit ExportDialog(QWidget *parent);

    QString targetFolder() const;
    void setTargetFolder(const QString &folder);
    PhoneFamily family() const;
    void setFamily(PhoneFamily family);
    QString engineFolder() const { return m_engineFolder; }
    void setEngineFolder(const QString &folder);

    // What the export would meet; 'canExport' enables the Export button.
    void showFindings(const QString &text, bool canExport);

signals:
    void chooseTargetClicked();
    void chooseEngineClicked();
    // The target, the family or the engine folder changed.
    void choiceChanged();
    void exportClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    // Sets its texts in the language installed now.
    void retranslate();

    QLineEdit *m_target = nullptr;
    QPushButton *m_chooseTarget = nullptr;
    QPushButton *m_chooseEngine = nullptr;
    QLabel *m_targetCaption = nullptr;
    QLabel *m_phoneCaption = nullptr;
    QLabel *m_engineCaption = nullptr;
    QRadioButton *m_n70 = nullptr;
    QRadioButton *m_6630 = nullptr;
    QLabel *m_engine = nullptr;
    QLabel *m_findings = nullptr;
    QScrollArea *m_findingsArea = nullptr;
    QPushButton *m_export = nullptr;
    QString m_engineFolder;
};
