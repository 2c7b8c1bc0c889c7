// SPDX-License-Identifier: MIT
#include "themegallery.h"

#include <plugin/iui.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The application's own icon loading, so that icons follow the density as they do there.
QIcon coreIcon(const char* name)
{
    return IUi::getInstance()->getIcon(QLatin1String(name), 2, QStringLiteral(":/core/images/"));
}

QWidget* titleBar(QMainWindow* window, QMenuBar* menuBar, QWidget* notificationBar)
{
    auto* bar = new QWidget(window);
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(menuBar);
    layout->addWidget(notificationBar);

    auto* icon = new QLabel(menuBar);
    icon->setPixmap(IUi::getInstance()->getPixmap(QStringLiteral("icon"), 2, 2,
                                                  QStringLiteral(":/core/images/"), false));
    icon->setContentsMargins(6, 0, 4, 0);
    menuBar->setCornerWidget(icon, Qt::TopLeftCorner);

    auto* corner = new QWidget(menuBar);
    auto* buttons = new QHBoxLayout(corner);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    const char* names[][2] = {
        {"minizeButton", "minimize"}, {"maximizeButton", "maximize"}, {"closeButton", "close"}};
    for (const auto& name : names) {
        auto* button = new QPushButton(corner);
        button->setObjectName(QLatin1String(name[0]));
        button->setIcon(coreIcon(name[1]));
        buttons->addWidget(button);
    }
    menuBar->setCornerWidget(corner, Qt::TopRightCorner);
    return bar;
}

QFrame* notificationBar(QWidget* parent)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("ZNNotificationBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setFrameShadow(QFrame::Raised);
    auto* outer = new QHBoxLayout(bar);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* container = new QWidget(bar);
    container->setObjectName(QStringLiteral("containerWidget"));
    outer->addWidget(container);
    auto* inner = new QHBoxLayout(container);
    inner->setContentsMargins(-1, 5, -1, 5);
    auto* icon = new QLabel(container);
    icon->setObjectName(QStringLiteral("m_pIconLabel"));
    icon->setPixmap(IUi::getInstance()->getPixmap(QStringLiteral("info"), 2, 2,
                                                  QStringLiteral(":/core/images/"), false));
    auto* message =
        new QLabel(QStringLiteral("A new version of Zenub Animate is available."), container);
    message->setObjectName(QStringLiteral("m_pMessageLabel"));
    auto* button = new QPushButton(QStringLiteral("Update"), container);
    button->setObjectName(QStringLiteral("m_pButton"));
    auto* close = new QToolButton(container);
    close->setObjectName(QStringLiteral("m_pCloseButton"));
    close->setIcon(QIcon(QStringLiteral(":/core/images/close.png")));
    inner->addWidget(icon);
    inner->addWidget(message);
    inner->addSpacing(10);
    inner->addWidget(button);
    inner->addStretch();
    inner->addWidget(close);
    return bar;
}

QWidget* controlsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    auto* buttons = new QGroupBox(QStringLiteral("Buttons"));
    auto* buttonLayout = new QVBoxLayout(buttons);
    auto* normal = new QPushButton(QStringLiteral("Normal"));
    auto* preferred = new QPushButton(QStringLiteral("Default"));
    preferred->setDefault(true);
    auto* disabled = new QPushButton(QStringLiteral("Disabled"));
    disabled->setEnabled(false);
    auto* toggled = new QPushButton(QStringLiteral("Checked"));
    toggled->setCheckable(true);
    toggled->setChecked(true);
    auto* withMenu = new QPushButton(QStringLiteral("With menu"));
    withMenu->setMenu(new QMenu(withMenu));
    for (QPushButton* button : {normal, preferred, disabled, toggled, withMenu})
        buttonLayout->addWidget(button);
    auto* tool = new QToolButton;
    tool->setIcon(coreIcon("preferences"));
    tool->setText(QStringLiteral("Tool"));
    tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttonLayout->addWidget(tool);
    grid->addWidget(buttons, 0, 0);

    auto* choices = new QGroupBox(QStringLiteral("Choices"));
    auto* choiceLayout = new QVBoxLayout(choices);
    auto* off = new QCheckBox(QStringLiteral("Unchecked"));
    auto* on = new QCheckBox(QStringLiteral("Checked"));
    on->setChecked(true);
    auto* partial = new QCheckBox(QStringLiteral("Partly checked"));
    partial->setTristate(true);
    partial->setCheckState(Qt::PartiallyChecked);
    auto* offDisabled = new QCheckBox(QStringLiteral("Disabled, checked"));
    offDisabled->setChecked(true);
    offDisabled->setEnabled(false);
    auto* radioOn = new QRadioButton(QStringLiteral("Selected option"));
    radioOn->setChecked(true);
    auto* radioOff = new QRadioButton(QStringLiteral("Other option"));
    auto* radioDisabled = new QRadioButton(QStringLiteral("Disabled option"));
    radioDisabled->setEnabled(false);
    for (QWidget* widget : std::initializer_list<QWidget*>{off, on, partial, offDisabled, radioOn,
                                                           radioOff, radioDisabled})
        choiceLayout->addWidget(widget);
    grid->addWidget(choices, 0, 1);

    auto* input = new QGroupBox(QStringLiteral("Input"));
    auto* form = new QFormLayout(input);
    form->addRow(QStringLiteral("Name"), new QLineEdit(QStringLiteral("Scene 1")));
    auto* placeholder = new QLineEdit;
    placeholder->setPlaceholderText(QStringLiteral("Search"));
    form->addRow(QStringLiteral("Filter"), placeholder);
    auto* readOnly = new QLineEdit(QStringLiteral("read only"));
    readOnly->setReadOnly(true);
    form->addRow(QStringLiteral("Path"), readOnly);
    auto* spin = new QSpinBox;
    spin->setValue(24);
    form->addRow(QStringLiteral("Frames"), spin);
    auto* real = new QDoubleSpinBox;
    real->setValue(1.5);
    real->setEnabled(false);
    form->addRow(QStringLiteral("Scale"), real);
    auto* combo = new QComboBox;
    combo->addItems(
        {QStringLiteral("Linear"), QStringLiteral("Ease in"), QStringLiteral("Bounce")});
    form->addRow(QStringLiteral("Easing"), combo);
    auto* editable = new QComboBox;
    editable->setEditable(true);
    editable->addItem(QStringLiteral("100 %"));
    form->addRow(QStringLiteral("Zoom"), editable);
    form->addRow(QStringLiteral("Date"), new QDateEdit(QDate(2026, 12, 6)));
    grid->addWidget(input, 0, 2);

    auto* range = new QGroupBox(QStringLiteral("Range"));
    auto* rangeLayout = new QVBoxLayout(range);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setValue(40);
    auto* progress = new QProgressBar;
    progress->setValue(60);
    auto* idle = new QProgressBar;
    idle->setValue(25);
    idle->setEnabled(false);
    rangeLayout->addWidget(slider);
    rangeLayout->addWidget(progress);
    rangeLayout->addWidget(idle);
    grid->addWidget(range, 1, 0);

    auto* tabs = new QTabWidget;
    auto* text = new QPlainTextEdit(QStringLiteral("Text in an editor.\nSecond line."));
    tabs->addTab(text, QStringLiteral("Notes"));
    tabs->addTab(new QWidget, QStringLiteral("Script"));
    grid->addWidget(tabs, 1, 1);

    auto* list = new QListWidget;
    for (const char* item : {"Layer 1", "Layer 2", "Background", "Sound", "Camera"})
        list->addItem(QLatin1String(item));
    list->setCurrentRow(1);
    grid->addWidget(list, 1, 2);
    return page;
}

QWidget* viewsPage()
{
    auto* table = new QTableWidget(6, 3);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Start"), QStringLiteral("Duration")});
    for (int row = 0; row < 6; ++row) {
        table->setItem(row, 0, new QTableWidgetItem(QStringLiteral("Element %1").arg(row + 1)));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(row * 10)));
        table->setItem(row, 2, new QTableWidgetItem(QString::number(40 - row * 5)));
    }
    table->setAlternatingRowColors(true);
    table->selectRow(2);
    return table;
}

QTreeWidget* sceneTree()
{
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({QStringLiteral("Scene"), QStringLiteral("Type")});
    auto* scene = new QTreeWidgetItem(tree, {QStringLiteral("Scene 1"), QStringLiteral("Scene")});
    for (const char* child : {"Title", "Logo", "Button"}) {
        auto* item = new QTreeWidgetItem(scene, {QLatin1String(child), QStringLiteral("Element")});
        item->setCheckState(0, Qt::Checked);
    }
    new QTreeWidgetItem(tree, {QStringLiteral("Scene 2"), QStringLiteral("Scene")});
    (new QTreeWidgetItem(tree, {QStringLiteral("Scene 3"), QStringLiteral("Scene")}))
        ->addChild(new QTreeWidgetItem({QStringLiteral("Intro")}));
    tree->expandItem(scene);
    tree->setCurrentItem(scene->child(1));
    return tree;
}

QMenu* fileMenu(QMenuBar* menuBar)
{
    QMenu* menu = menuBar->addMenu(QStringLiteral("&File"));
    menu->addAction(coreIcon("new"), QStringLiteral("&New"))->setShortcut(QKeySequence::New);
    menu->addAction(coreIcon("open"), QStringLiteral("&Open Project"))
        ->setShortcut(QKeySequence::Open);
    QMenu* recent = menu->addMenu(QStringLiteral("Recent Projects"));
    recent->addAction(QStringLiteral("1 banner.zenub"));
    menu->addSeparator();
    QAction* save = menu->addAction(coreIcon("save"), QStringLiteral("&Save"));
    save->setShortcut(QKeySequence::Save);
    save->setEnabled(false);
    QAction* snap = menu->addAction(QStringLiteral("Snap to Grid"));
    snap->setCheckable(true);
    snap->setChecked(true);
    menu->addAction(QStringLiteral("Preview Project in Browser"))->setShortcut(Qt::Key_F5);
    menu->addSeparator();
    menu->addAction(QStringLiteral("E&xit"));
    menu->setActiveAction(menu->actions().at(1));
    return menu;
}

QWidget* downloader()
{
    auto* window = new QWidget;
    window->setObjectName(QStringLiteral("Downloader"));
    auto* layout = new QVBoxLayout(window);
    layout->setSpacing(0);
    layout->setContentsMargins(12, 12, 12, 12);
    auto* row = new QWidget(window);
    row->setObjectName(QStringLiteral("widget"));
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setSpacing(0);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(row);
    icon->setObjectName(QStringLiteral("updater_icon"));
    icon->setMinimumSize(96, 96);
    icon->setPixmap(QPixmap(QStringLiteral(":/core/images/update.png")));
    auto* progressFrame = new QFrame(row);
    progressFrame->setObjectName(QStringLiteral("progressFrame"));
    auto* progressLayout = new QVBoxLayout(progressFrame);
    progressLayout->setSpacing(0);
    auto* label = new QLabel(QStringLiteral("Downloading Updates (2 MB of 3 MB)"));
    label->setObjectName(QStringLiteral("downloadLabel"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    auto* bar = new QProgressBar;
    bar->setObjectName(QStringLiteral("progressBar"));
    bar->setMinimumWidth(320);
    bar->setValue(66);
    auto* time = new QLabel(QStringLiteral("Time Remaining: About 2 minutes"));
    time->setObjectName(QStringLiteral("timeLabel"));
    progressLayout->addWidget(label);
    progressLayout->addWidget(bar);
    progressLayout->addWidget(time);
    rowLayout->addWidget(icon);
    rowLayout->addWidget(progressFrame);
    layout->addWidget(row);
    auto* buttonFrame = new QFrame(window);
    buttonFrame->setObjectName(QStringLiteral("buttonFrame"));
    auto* buttons = new QHBoxLayout(buttonFrame);
    buttons->setContentsMargins(12, 12, 12, 12);
    buttons->addStretch();
    auto* stop = new QPushButton(QStringLiteral("Stop"));
    stop->setObjectName(QStringLiteral("stopButton"));
    buttons->addWidget(stop);
    layout->addWidget(buttonFrame);
    window->setWindowTitle(QStringLiteral("Downloading Updates"));
    return window;
}

QWidget* releaseNotes()
{
    auto* dialog = new QDialog;
    dialog->setObjectName(QStringLiteral("ZNReleaseNoteUI"));
    dialog->setWindowTitle(QStringLiteral("Update Available"));
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(10, 10, 10, 10);
    auto* container = new QWidget(dialog);
    container->setObjectName(QStringLiteral("m_pMessageContainer"));
    auto* containerLayout = new QHBoxLayout(container);
    containerLayout->setContentsMargins(0, 5, 0, 0);
    auto* heading = new QLabel(QStringLiteral("<b>Zenub Animate 3.1.0 is available.</b>"));
    heading->setObjectName(QStringLiteral("m_pHeadingLabel"));
    containerLayout->addWidget(heading);
    auto* group = new QGroupBox(dialog);
    group->setObjectName(QStringLiteral("m_pReleaseNoteGroup"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    auto* notes = new QLabel(QStringLiteral("<ul><li>Faster export</li><li>New easing curves</li>"
                                            "</ul>"));
    notes->setMinimumHeight(80);
    groupLayout->addWidget(notes);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* update = new QPushButton(QStringLiteral("Update"));
    update->setObjectName(QStringLiteral("m_pBtnUpdate"));
    update->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("m_pBtnClose"));
    buttons->addWidget(update);
    buttons->addWidget(close);
    layout->addWidget(container);
    layout->addWidget(group);
    layout->addLayout(buttons);
    dialog->resize(420, 220);
    return dialog;
}

} // namespace

ThemeGallery::ThemeGallery()
    : m_mainWindow(std::make_unique<QMainWindow>())
{
    QMainWindow* window = m_mainWindow.get();
    window->setObjectName(QStringLiteral("MainWindow"));
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    auto* menuBar = new QMenuBar;
    menuBar->setObjectName(QStringLiteral("Zenub.MenuBar"));
    m_openMenu = fileMenu(menuBar);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    edit->addAction(coreIcon("preferences"), QStringLiteral("&Preferences"));
    QMenu* view = menuBar->addMenu(QStringLiteral("&View"));
    QMenu* language = view->addMenu(coreIcon("language"), QStringLiteral("Language"));
    language->addAction(QStringLiteral("English (United States)"))->setCheckable(true);
    menuBar->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("Help Contents"));
    window->setMenuWidget(titleBar(window, menuBar, notificationBar(window)));

    QToolBar* toolBar = window->addToolBar(QStringLiteral("File"));
    toolBar->setObjectName(QStringLiteral("m_pFileToolbar"));
    toolBar->addAction(coreIcon("new"), QStringLiteral("New"));
    toolBar->addAction(coreIcon("open"), QStringLiteral("Open"));
    toolBar->addAction(coreIcon("save"), QStringLiteral("Save"))->setEnabled(false);
    toolBar->addSeparator();
    QAction* preview = toolBar->addAction(QStringLiteral("Preview Project in Browser"));
    auto* previewMenu = new QMenu(window);
    previewMenu->addAction(QStringLiteral("Preview Current Scene in Browser"));
    preview->setMenu(previewMenu);
    toolBar->addAction(QStringLiteral("Export to HTML5"));

    auto* area = new QMdiArea;
    area->setViewMode(QMdiArea::TabbedView);
    area->setDocumentMode(true);
    area->setTabsClosable(true);
    QMdiSubWindow* views = area->addSubWindow(viewsPage());
    views->setWindowTitle(QStringLiteral("timeline.zenub"));
    QMdiSubWindow* controls = area->addSubWindow(controlsPage());
    controls->setWindowTitle(QStringLiteral("banner.zenub"));
    QMdiSubWindow* third = area->addSubWindow(new QWidget);
    third->setWindowTitle(QStringLiteral("intro.zenub"));
    window->setCentralWidget(area);
    area->setActiveSubWindow(controls);
    if (QTabBar* tabs = area->findChild<QTabBar*>()) {
        tabs->setExpanding(false);
        QFont font = tabs->font();
        font.setBold(true);
        tabs->setFont(font);
    }

    auto* dock = new QDockWidget(QStringLiteral("Scenes"), window);
    dock->setWidget(sceneTree());
    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    window->resize(1180, 720);

    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("Zenub Animate"),
                                QStringLiteral("Do you want to save the changes to banner.zenub?"),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box->setInformativeText(QStringLiteral("Your changes will be lost if you don't save them."));
    m_messageBox.reset(box);
    m_downloader.reset(downloader());
    m_releaseNotes.reset(releaseNotes());
}

ThemeGallery::~ThemeGallery() = default;

QList<QWidget*> ThemeGallery::panels() const
{
    return {m_openMenu, m_messageBox.get(), m_downloader.get(), m_releaseNotes.get()};
}

QImage ThemeGallery::render()
{
    m_mainWindow->show();
    for (QWidget* panel : panels()) {
        panel->ensurePolished();
        panel->adjustSize();
        if (panel != m_openMenu)
            panel->show();
    }
    // The open menu is painted where it would drop down; it must be shown to lay out its items.
    m_openMenu->popup(QPoint(2000, 2000));
    m_openMenu->setActiveAction(m_openMenu->actions().at(1));
    // Layouts settle over a few posted events; nothing here waits on a clock.
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();

    const QImage window = m_mainWindow->grab().toImage();
    QList<QImage> images;
    int columnWidth = 0;
    int columnHeight = 0;
    for (QWidget* panel : panels()) {
        images << panel->grab().toImage();
        columnWidth = qMax(columnWidth, images.constLast().width());
        columnHeight += images.constLast().height() + 16;
    }
    m_openMenu->hide();

    QImage picture(window.width() + 16 + columnWidth, qMax(window.height(), columnHeight),
                   QImage::Format_RGB32);
    picture.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&picture);
    painter.drawImage(0, 0, window);
    int y = 0;
    for (const QImage& image : qAsConst(images)) {
        painter.drawImage(window.width() + 16, y, image);
        y += image.height() + 16;
    }
    return picture;
}
