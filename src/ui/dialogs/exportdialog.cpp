#include "ui/dialogs/exportdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
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

    m_target = named(new QLineEdit(this), "exportTarget");
    m_target->setMinimumWidth(320);
    auto *chooseTarget = m_chooseTarget = named(new QPushButton(this), "exportChooseTarget");
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
    auto *chooseEngine = m_chooseEngine = named(new QPushButton(this), "exportEngineFiles");
    auto *engineRow = new QHBoxLayout;
    engineRow->addWidget(m_engine, 1);
    engineRow->addWidget(chooseEngine);

    auto *form = new QFormLayout;
    m_targetCaption = new QLabel(this);
    m_phoneCaption = new QLabel(this);
    m_engineCaption = new QLabel(this);
    form->addRow(m_targetCaption, targetRow);
    form->addRow(m_phoneCaption, familyRow);
    form->addRow(m_engineCaption, engineRow);

    m_findings = named(new QLabel(this), "exportFindings");
    m_findings->setTextFormat(Qt::PlainText);
    m_findings->setWordWrap(true);
    m_findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The findings grow the dialog up to half the screen, then scroll.
    m_findingsArea = named(new QScrollArea(this), "exportFindingsArea");
    m_findingsArea->setWidget(m_findings);
    m_findingsArea->setWidgetResizable(true);
    m_findingsArea->setFrameShape(QFrame::NoFrame);
    m_findingsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *buttons = new QDialogButtonBox(this);
    m_export = named(buttons->addButton(QString(), QDialogButtonBox::AcceptRole), "exportStart");
    named(buttons->addButton(QDialogButtonBox::Cancel), "exportCancel");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_findingsArea, 1);
    layout->addWidget(buttons);
    retranslate();
    setEngineFolder({});

    connect(chooseTarget, &QPushButton::clicked, this, &ExportDialog::chooseTargetClicked);
    connect(chooseEngine, &QPushButton::clicked, this, &ExportDialog::chooseEngineClicked);
    connect(m_target, &QLineEdit::textChanged, this, &ExportDialog::choiceChanged);
    connect(m_n70, &QRadioButton::toggled, this, &ExportDialog::choiceChanged);
    // The dialog stays open until the export has run or was given up.
    connect(m_export, &QPushButton::clicked, this, &ExportDialog::exportClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ExportDialog::retranslate()
{
    setWindowTitle(tr("Export for the phone"));
    m_chooseTarget->setText(tr("Choose…"));
    m_chooseEngine->setText(tr("Engine files…"));
    m_targetCaption->setText(tr("Target folder:"));
    m_phoneCaption->setText(tr("Phone:"));
    m_engineCaption->setText(tr("Engine's files:"));
    m_export->setText(tr("Export"));
}

void ExportDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        setEngineFolder(m_engineFolder); // "not chosen", and the findings said again
    }
    QDialog::changeEvent(event);
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
    const int width = m_findingsArea->viewport()->width();
    const int wanted = m_findings->heightForWidth(width > 0 ? width : m_findings->width());
    const QScreen *shown = screen();
    const int most = shown ? shown->availableGeometry().height() / 2 : 400;
    m_findingsArea->setMinimumHeight(qMin(wanted, most));
    // Grown, never shrunk under the user's hands.
    resize(qMax(this->width(), sizeHint().width()), qMax(height(), sizeHint().height()));
}
