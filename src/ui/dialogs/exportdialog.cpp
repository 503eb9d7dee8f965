#include "ui/dialogs/exportdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

ExportDialog::ExportDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("exportDialog"));
    setWindowTitle(tr("Export for the phone"));

    m_target = named(new QLineEdit(this), "exportTarget");
    m_target->setMinimumWidth(320);
    auto *chooseTarget = named(new QPushButton(tr("Choose…"), this), "exportChooseTarget");
    auto *targetRow = new QHBoxLayout;
    targetRow->addWidget(m_target);
    targetRow->addWidget(chooseTarget);

    // The same captions as in the phone-model window.
    m_n70 = named(new QRadioButton(QStringLiteral("n70/n72/n90"), this), "exportN70");
    m_6630 = named(new QRadioButton(QStringLiteral("6630/6680/6600"), this), "export6630");
    m_n70->setChecked(true);
    auto *familyRow = new QHBoxLayout;
    familyRow->addWidget(m_n70);
    familyRow->addWidget(m_6630);
    familyRow->addStretch();

    m_engine = named(new QLabel(this), "exportEngineFolder");
    m_engine->setTextFormat(Qt::PlainText);
    auto *chooseEngine = named(new QPushButton(tr("Engine files…"), this), "exportEngineFiles");
    auto *engineRow = new QHBoxLayout;
    engineRow->addWidget(m_engine, 1);
    engineRow->addWidget(chooseEngine);

    auto *form = new QFormLayout;
    form->addRow(tr("Target folder:"), targetRow);
    form->addRow(tr("Phone:"), familyRow);
    form->addRow(tr("Engine's files:"), engineRow);

    m_findings = named(new QLabel(this), "exportFindings");
    m_findings->setTextFormat(Qt::PlainText);
    m_findings->setWordWrap(true);
    m_findings->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(this);
    m_export = named(buttons->addButton(tr("Export"), QDialogButtonBox::AcceptRole), "exportStart");
    named(buttons->addButton(QDialogButtonBox::Cancel), "exportCancel");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_findings);
    layout->addWidget(buttons);
    setEngineFolder({});

    connect(chooseTarget, &QPushButton::clicked, this, &ExportDialog::chooseTargetClicked);
    connect(chooseEngine, &QPushButton::clicked, this, &ExportDialog::chooseEngineClicked);
    connect(m_target, &QLineEdit::textChanged, this, &ExportDialog::choiceChanged);
    connect(m_n70, &QRadioButton::toggled, this, &ExportDialog::choiceChanged);
    // The dialog stays open until the export has run or was given up.
    connect(m_export, &QPushButton::clicked, this, &ExportDialog::exportClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString ExportDialog::targetFolder() const
{
    // Exactly as typed: "out " is another folder than "out".
    return QDir::fromNativeSeparators(m_target->text());
}

void ExportDialog::setTargetFolder(const QString &folder)
{
    m_target->setText(QDir::toNativeSeparators(folder));
}

PhoneFamily ExportDialog::family() const
{
    return m_6630->isChecked() ? PhoneFamily::Model6630 : PhoneFamily::N70;
}

void ExportDialog::setFamily(PhoneFamily family)
{
    (family == PhoneFamily::Model6630 ? m_6630 : m_n70)->setChecked(true);
}

void ExportDialog::setEngineFolder(const QString &folder)
{
    m_engineFolder = folder;
    m_engine->setText(folder.isEmpty() ? tr("not chosen") : QDir::toNativeSeparators(folder));
    emit choiceChanged();
}

void ExportDialog::showFindings(const QString &text, bool canExport)
{
    m_findings->setText(text);
    m_export->setEnabled(canExport);
}
