#include "app/mainwindowcontrols.h"

#include <iterator>

#include <QAbstractItemView>
#include <QComboBox>
#include <QPainter>

#include "app/mainwindowlook.h"
#include "app/siteaddresses.h"
#include "filelist/widgets/medialistview.h"
#include "core/formatcatalogue.h"
#include "ui/imagebutton.h"

namespace {

ImageButton *makeButton(QWidget *parent, const QRect &rect, const QString &caption, const QString &tip)
{
    auto *button = new ImageButton(caption, parent);
    button->setGeometry(rect);
    button->setToolTip(tip);
    return button;
}

} // namespace

MainWindowControls::MainWindowControls(QWidget &window, MediaListModel *rows) : m_window(window)
{
    QWidget *w = &window;
    list = new MediaListView(rows, w);

    addFilesButton = makeButton(w, {11, 72, 107, 27}, tr("&Add Files"), tr("Add files"));
    addFolderButton = makeButton(w, {11, 115, 107, 27}, tr("Add &Folder"), tr("Add files from a folder"));
    removeAllButton = makeButton(w, {11, 161, 107, 27}, tr("Remove A&ll"), tr("Remove all files in list"));
    convertButton = makeButton(w, {11, 206, 107, 27}, tr("&Convert"), tr("Convert all files"));

    formatSelector = new QComboBox(w);
    formatSelector->setEditable(false);
    // 23 pixels high, so it sits inside the selector's frame drawn on the skin.
    formatSelector->setGeometry(14, 239, 98, 23);
    formatSelector->setToolTip(tr("Output format"));
    formatSelector->setMaxVisibleItems(kFormatCount);

    optionsButton = makeButton(w, {11, 278, 107, 27}, tr("&Options"), tr("Options"));
    linkButton = makeButton(w, {9, 507, 113, 20}, QString::fromLatin1(siteaddresses::kSiteHost),
                            tr("Visit %1 Homepage").arg(QStringLiteral("Sonavert")));
    helpButton = makeButton(w, {624, 11, 21, 21}, QStringLiteral("?"), tr("Help"));
    minimizeButton = makeButton(w, {647, 11, 21, 21}, QStringLiteral("_"), tr("Minimize"));
    closeButton = makeButton(w, {669, 11, 21, 21}, QStringLiteral("x"), tr("Close"));

    dress();
    layout();

    QWidget *order[] = {list,          addFilesButton, addFolderButton, removeAllButton,
                        convertButton, formatSelector, optionsButton,   linkButton,
                        helpButton,    minimizeButton, closeButton};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

int MainWindowControls::fillFormatSelector(int current)
{
    for (int n = 0; n < kFormatCount; ++n)
        formatSelector->addItem(tr(" to %1").arg(QString::fromUtf8(formatEntry(n).displayName)), n);
    formatSelector->view()->setMinimumWidth(160);
    const int row = formatSelector->findData(current);
    formatSelector->setCurrentIndex(row >= 0 ? row : 0);
    return selectedFormat();
}

int MainWindowControls::selectedFormat() const
{
    const int row = formatSelector->currentIndex();
    return row >= 0 ? formatSelector->itemData(row).toInt() : 0;
}

void MainWindowControls::selectFormat(int format)
{
    const int row = formatSelector->findData(format);
    if (row >= 0)
        formatSelector->setCurrentIndex(row);
}

void MainWindowControls::dress()
{
    using namespace mainwindowlook;
    m_skin = skin();
    m_window.setWindowIcon(programIcon());
    // The list and the selector in the 8-point dialog face, as the buttons.
    m_window.setFont(dialogFont());
    for (ImageButton *button : {addFilesButton, addFolderButton, removeAllButton, convertButton, optionsButton})
        dressTextButton(button, m_skin);
    dressLinkButton(linkButton, m_skin);
    dressIconButton(helpButton, QString::fromLatin1(kHelpIcon), m_skin);
    dressIconButton(minimizeButton, QString::fromLatin1(kMinimizeIcon), m_skin);
    dressIconButton(closeButton, QString::fromLatin1(kCloseIcon), m_skin);
    setToolTipDelay(&m_window, {addFilesButton, addFolderButton, removeAllButton, convertButton, formatSelector,
                                optionsButton, linkButton, helpButton, minimizeButton, closeButton});
}

void MainWindowControls::layout()
{
    const int right = m_window.width() - kWidth;
    const int bottom = m_window.height() - kHeight;
    list->setGeometry(137, 63, 552 + right, 465 + bottom);
    linkButton->move(9, 507 + bottom);
    helpButton->move(624 + right, 11);
    minimizeButton->move(647 + right, 11);
    closeButton->move(669 + right, 11);
    refreshBackground();
    m_window.update();
}

void MainWindowControls::refreshBackground()
{
    m_background = mainwindowlook::stretchedSkin(m_skin, m_window.size(), m_window.devicePixelRatioF());
    for (ImageButton *button : m_window.findChildren<ImageButton *>(Qt::FindDirectChildrenOnly))
        button->setParentBackground(m_background);
}

void MainWindowControls::paintBackground(QPainter &painter)
{
    // Moved to a screen of another scale, or resized before the first show.
    if (m_background.deviceIndependentSize().toSize() != m_window.size() ||
        !qFuzzyCompare(m_background.devicePixelRatio(), m_window.devicePixelRatioF()))
        refreshBackground();
    painter.drawPixmap(0, 0, m_background);
}

void MainWindowControls::rest(bool resting)
{
    if (!resting) {
        for (const QPointer<QWidget> &control : m_restingControls)
            if (control)
                control->setEnabled(true);
        m_restingControls.clear();
        // The focus goes back where the work found it, not to the frame's
        // Minimize that took it while the rest was disabled.
        if (m_restingFocus)
            m_restingFocus->setFocus(Qt::OtherFocusReason);
        m_restingFocus = nullptr;
        return;
    }
    m_restingFocus = m_window.focusWidget();
    for (QWidget *child : m_window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child == closeButton || child == minimizeButton || !child->isEnabled())
            continue;
        child->setEnabled(false);
        m_restingControls.emplace_back(child);
    }
}
