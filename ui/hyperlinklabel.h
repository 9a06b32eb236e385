#pragma once

#include <QBasicTimer>
#include <QColor>
#include <QLabel>

#include <functional>

// A text label that shows a link in link colours (red under the mouse, purple
// once visited), underlines it as its underline mode says, shows a hand cursor
// and the link as its tooltip, and opens the link with its link opener when
// clicked. It takes the focus by Tab (drawing a focus frame) and opens the link
// on Enter or Space as well.
class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens the link of a label and reports a failure itself; true when the link
    // opened, which marks the label visited.
    using LinkOpener = std::function<bool(QWidget *label, const QString &link)>;

    enum Underline { UnderlineHover = -1, UnderlineNever = 0, UnderlineAlways = 1 };

    // An empty link takes the text, and an empty text the link.
    explicit HyperlinkLabel(const QString &text = QString(), const QString &link = QString(),
                            QWidget *parent = nullptr);
    ~HyperlinkLabel() override;

    void setLink(const QString &link);
    QString link() const { return m_link; }
    // -1: underlined only while the mouse is over it; 0: never; 1: always.
    void setUnderline(int mode);
    int underline() const { return m_underline; }
    // On (the default): the label takes its text's size, keeping its left edge
    // (its centre with AlignHCenter, its right edge with AlignRight) and its top
    // (its vertical centre with AlignVCenter).
    void setAutoSize(bool on);
    void setLinkColours(const QColor &link, const QColor &visited, const QColor &hover);

    bool isHovering() const { return m_hovering; }
    bool isVisited() const { return m_visited; }
    // The colour the text is drawn in now.
    QColor textColour() const;

    // Without an opener a click does nothing.
    void setLinkOpener(LinkOpener opener) { m_opener = std::move(opener); }
    // Opens the link, as a click does.
    void followLink();

protected:
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void startHover();
    void endHover();
    void setUnderlinedFont(bool underlined);
    void applyColour();
    void autoSize();

    QColor m_linkColour{0x00, 0x00, 0xEE};
    QColor m_visitedColour{0x55, 0x1A, 0x8B};
    QColor m_hoverColour{0xFF, 0x00, 0x00};
    bool m_hovering = false;
    bool m_visited = false;
    int m_underline = UnderlineHover;
    bool m_autoSize = true;
    bool m_pressed = false;
    QString m_link;
    LinkOpener m_opener;
    QBasicTimer m_hoverTimer; // 100 ms: notices the mouse has left
};
