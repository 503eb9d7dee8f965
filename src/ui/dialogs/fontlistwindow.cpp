#include "ui/dialogs/fontlistwindow.h"

#include "core/slottable.h"
#include "ui/dialogs/fontaudition.h"
#include "ui/dialogs/sidewindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>

#include <cmath>

namespace {
const char geometryKey[] = "fontList/geometry";
const char folderKey[] = "fontList/folder";
const char sourceKey[] = "fontList/source";
} // namespace

FontListWindow::FontListWindow(FontAudition &audition, FileChooser &files)
    : QWidget(nullptr, Qt::Dialog)
    , m_audition(audition)
    , m_files(files)
{
    setObjectName(QStringLiteral("fontList"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_sourceBox = new QComboBox(this);
    m_sourceBox->setObjectName(QStringLiteral("fontSource"));
    m_sourceBox->addItems({QString(), QString(), QString()});
    m_folderButton = new QPushButton(this);
    m_folderButton->setObjectName(QStringLiteral("fontFolderButton"));
    m_folderLabel = new QLabel(this);
    m_folderLabel->setObjectName(QStringLiteral("fontFolder"));
    m_folderLabel->setTextFormat(Qt::PlainText);
    m_slotLabel = new QLabel(this);
    m_slotBox = new QComboBox(this);
    m_slotBox->setObjectName(QStringLiteral("fontTargetSlot"));
    for (const SlotInfo &slot : slotTable())
        m_slotBox->addItem(QLatin1String(slot.key));
    m_slotLabel->setBuddy(m_slotBox);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("fontSearch"));
    m_search->setClearButtonEnabled(true);
    m_coverageOnly = new QCheckBox(this);
    m_coverageOnly->setObjectName(QStringLiteral("fontCoverageOnly"));
    m_hideUnusable = new QCheckBox(this);
    m_hideUnusable->setObjectName(QStringLiteral("fontHideUnusable"));

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("fontTable"));
    m_view->setModel(&m_filter);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setDragEnabled(true);
    m_view->setDragDropMode(QAbstractItemView::DragOnly);
    m_view->setDefaultDropAction(Qt::CopyAction);
    m_view->setWordWrap(false);
    m_view->setShowGrid(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setColumnWidth(FontListModel::SampleColumn, FontListModel::sampleWidth + 8);
    m_view->setColumnWidth(FontListModel::FamilyColumn, 160);
    m_view->setColumnWidth(FontListModel::StyleColumn, 90);
    m_view->installEventFilter(this);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("fontCount"));
    m_stop = new QPushButton(this);
    m_stop->setObjectName(QStringLiteral("fontStop"));
    m_stop->setEnabled(false);
    m_use = new QPushButton(this);
    m_use->setObjectName(QStringLiteral("fontUse"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("fontClose"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_sourceBox, 0, 0);
    grid->addWidget(m_folderButton, 0, 1);
    grid->addWidget(m_folderLabel, 0, 2, 1, 3);
    grid->addWidget(m_slotLabel, 1, 0);
    grid->addWidget(m_slotBox, 1, 1);
    grid->addWidget(m_search, 1, 2);
    grid->addWidget(m_coverageOnly, 1, 3);
    grid->addWidget(m_hideUnusable, 1, 4);
    grid->addWidget(m_view, 2, 0, 1, 5);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_count, 1);
    buttons->addWidget(m_stop);
    buttons->addWidget(m_use);
    buttons->addWidget(m_close);
    grid->addLayout(buttons, 3, 0, 1, 5);
    grid->setColumnStretch(2, 1);

    connect(m_sourceBox, &QComboBox::activated, this, [this](int index) { setSource(Source(index)); });
    connect(m_folderButton, &QPushButton::clicked, this, &FontListWindow::chooseFolder);
    connect(m_slotBox, &QComboBox::currentIndexChanged, this, &FontListWindow::targetChanged);
    connect(m_search, &QLineEdit::textChanged, &m_filter, &FontListFilter::setSearch);
    connect(m_coverageOnly, &QCheckBox::toggled, &m_filter, &FontListFilter::setCoverageOnly);
    connect(m_hideUnusable, &QCheckBox::toggled, &m_filter, &FontListFilter::setHideUnusable);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &FontListWindow::currentMoved);
    connect(m_view, &QTableView::doubleClicked, this, &FontListWindow::keepCurrent);
    connect(m_use, &QPushButton::clicked, this, &FontListWindow::keepCurrent);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_stop, &QPushButton::clicked, &m_scanner, &FontScanner::stop);
    connect(&m_scanner, &FontScanner::rowsFound, this, [this](const QList<FontRow> &rows) {
        m_model.append(rows);
        updateCount();
    });
    connect(&m_scanner, &FontScanner::finished, this, [this] {
        m_stop->setEnabled(false);
        updateCount();
    });
    connect(&m_filter, &QAbstractItemModel::rowsInserted, this, &FontListWindow::updateCount);
    connect(&m_filter, &QAbstractItemModel::modelReset, this, &FontListWindow::updateCount);

    const QSettings settings;
    m_folderDialog.fileName = settings.value(QLatin1String(folderKey)).toString();
    m_source = Source(std::clamp(settings.value(QLatin1String(sourceKey)).toInt(), 0, 2));
    m_sourceBox->setCurrentIndex(int(m_source));
    m_folderLabel->setText(QDir::toNativeSeparators(m_folderDialog.fileName));
    if (!restoreGeometry(settings.value(QLatin1String(geometryKey)).toByteArray()))
        resize(760, 480);
    retranslate();
}

FontListWindow::~FontListWindow() = default;

void FontListWindow::retranslate()
{
    setWindowTitle(tr("Font list"));
    m_sourceBox->setItemText(int(Source::Folder), tr("Folder"));
    m_sourceBox->setItemText(int(Source::Installed), tr("Installed fonts"));
    m_sourceBox->setItemText(int(Source::Document), tr("Document fonts"));
    m_folderButton->setText(tr("Choose &folder…"));
    m_slotLabel->setText(tr("Slot:"));
    m_search->setPlaceholderText(tr("Search names"));
    m_coverageOnly->setText(tr("&Only faces with every character"));
    //: Files that are no usable TrueType face (collections, PostScript outlines, damaged)
    m_hideUnusable->setText(tr("&Hide unusable files"));
    m_stop->setText(tr("S&top"));
    m_use->setText(tr("&Use"));
    m_close->setText(tr("Close"));
    updateCount();
}

void FontListWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FontListWindow::openFor(std::size_t slot, const QWidget *owner)
{
    if (!isVisible() && !testAttribute(Qt::WA_Moved) && owner)
        move(owner->frameGeometry().topRight() + QPoint(8, 0));
    m_slotBox->setCurrentIndex(int(slot));
    if (!m_read)
        slotsChanged(); // reads the source too
    SideWindow::keepAbove(this, owner);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_view->setFocus();
}

void FontListWindow::slotsChanged()
{
    if (!slotSample)
        return;
    // A trial redraws the preview too: then nothing here has changed.
    const SlotSample slot = slotSample(targetSlot());
    const bool sameSlot = slot == m_model.slot();
    if (!sameSlot) {
        m_model.setSlot(slot);
        m_view->verticalHeader()->setDefaultSectionSize(std::max(20, int(std::ceil(slot.pixelSize * 1.3)) + 4));
    }
    // Every slot's characters are asked about, so that a change of target
    // needs no new read; new texts do.
    QString wanted;
    for (std::size_t i = 0; i < SlotCount; ++i)
        wanted += slotSample(i).needed;
    if (!m_read || wanted != m_wanted) {
        m_wanted = wanted;
        startScan();
    } else if (!sameSlot) {
        m_filter.invalidate(); // the coverage filter follows the slot
    }
}

std::size_t FontListWindow::targetSlot() const
{
    return std::size_t(std::max(0, m_slotBox->currentIndex()));
}

void FontListWindow::setSource(Source source)
{
    m_source = source;
    m_sourceBox->setCurrentIndex(int(source));
    QSettings().setValue(QLatin1String(sourceKey), int(source));
    startScan();
}

void FontListWindow::setFolder(const QString &folder)
{
    m_folderDialog.fileName = folder;
    m_folderLabel->setText(QDir::toNativeSeparators(folder));
    QSettings().setValue(QLatin1String(folderKey), folder);
    setSource(Source::Folder);
}

void FontListWindow::chooseFolder()
{
    m_folderDialog.title = tr("Font folder");
    if (m_folderDialog.initialFolder.isEmpty())
        m_folderDialog.initialFolder = m_folderDialog.fileName;
    if (m_files.chooseFolder(this, m_folderDialog))
        setFolder(m_folderDialog.fileName);
}

void FontListWindow::startScan()
{
    m_read = true;
    if (m_auditioning)
        endSession(false);
    m_model.clear();
    FontScanner::Source source;
    switch (m_source) {
    case Source::Folder:
        source.folder = m_folderDialog.fileName;
        if (source.folder.isEmpty()) { // nothing chosen yet: nothing to read
            m_scanner.stop();
            updateCount();
            return;
        }
        break;
    case Source::Installed:
        source.kind = FontScanner::Source::Kind::Installed;
        break;
    case Source::Document:
        source.kind = FontScanner::Source::Kind::Files;
        source.files = documentFiles ? documentFiles() : QStringList();
        break;
    }
    m_folderButton->setEnabled(m_source == Source::Folder);
    m_stop->setEnabled(true);
    m_scanner.start(source, m_wanted);
    updateCount();
}

void FontListWindow::updateCount()
{
    const int shown = m_filter.rowCount();
    const int all = m_model.rowCount();
    QString text = shown == all ? tr("%n face(s)", nullptr, all) : tr("%1 of %n face(s)", nullptr, all).arg(shown);
    if (m_scanner.running())
        text = tr("Reading… %1").arg(text);
    m_count->setText(text);
}

QString FontListWindow::currentPath() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || !(current.flags() & Qt::ItemIsEnabled))
        return QString();
    return current.data(Qt::UserRole).toString();
}

void FontListWindow::currentMoved()
{
    // The view makes its first row current, unselected, when it gets the
    // focus: only a row the user moved to is tried.
    const QString path = currentPath();
    if (path.isEmpty() || !isVisible() || !m_view->selectionModel()->isRowSelected(m_view->currentIndex().row()))
        return;
    m_sessionSlot = targetSlot();
    m_audition.audition(m_sessionSlot, path);
    m_auditioning = true;
    m_showingOriginal = false;
}

void FontListWindow::keepCurrent()
{
    const QString path = currentPath();
    if (path.isEmpty())
        return;
    if (!m_auditioning || m_showingOriginal) {
        m_sessionSlot = targetSlot();
        m_audition.audition(m_sessionSlot, path);
        m_auditioning = true;
    }
    endSession(true);
}

void FontListWindow::compare()
{
    if (!m_auditioning)
        return;
    if (m_showingOriginal)
        m_audition.audition(m_sessionSlot, currentPath());
    else
        m_audition.showOriginal();
    m_showingOriginal = !m_showingOriginal;
}

void FontListWindow::endSession(bool keep)
{
    if (!m_auditioning)
        return;
    m_auditioning = false;
    m_showingOriginal = false;
    keep ? m_audition.keep() : m_audition.cancel();
}

void FontListWindow::targetChanged()
{
    endSession(false); // the slot tried so far gets back what it had
    slotsChanged();
}

bool FontListWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return QWidget::eventFilter(watched, event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            keepCurrent();
            return true;
        case Qt::Key_Space:
            compare();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            // The first arrow tries the row the view made current on its
            // own, instead of passing over it.
            const QModelIndex current = m_view->currentIndex();
            if (current.isValid() && !m_view->selectionModel()->isRowSelected(current.row())) {
                m_view->selectionModel()->setCurrentIndex(
                    current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                currentMoved();
                return true;
            }
            break;
        }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FontListWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FontListWindow::closeEvent(QCloseEvent *event)
{
    endSession(false);
    m_scanner.stop();
    m_read = false; // read afresh next time: the folder may have changed
    QSettings().setValue(QLatin1String(geometryKey), saveGeometry());
    QWidget::closeEvent(event);
}
