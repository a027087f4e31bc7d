#include "ui/form2.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>

#include "ui/about.h"
#include "ui/key_actions.h"
#include "ui/focus_mark.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "ui/window_font.h"

namespace dirnal::ui {

namespace {

// A label that acts as a link: blue, hand pointer, opens on a click or on
// Enter and Space. Its blue is the theme's colour for links, pure blue
// where the theme is light, and a blue that can be read on a dark one.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> open, QWidget* parent)
        : QLabel(text, parent), open_(std::move(open))
    {
        setForegroundRole(QPalette::Link);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            drawFocusMark(painter, *this);
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        open_();
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
            open_();
        else
            QLabel::keyPressEvent(event);
    }

private:
    std::function<void()> open_;
};

// The window's own picture: a small folder tree beside the list file's name.
QPixmap folderTreePicture(const QSize& size)
{
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor folder(0xF0, 0xC0, 0x40);
    const auto drawFolder = [&](int x, int y) {
        painter.setPen(QColor(0x90, 0x70, 0x10));
        painter.setBrush(folder);
        painter.drawRect(x, y + 3, 18, 12);
        painter.drawRect(x, y, 8, 4);
    };
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawLine(14, 22, 14, 62);
    painter.drawLine(14, 38, 30, 38);
    painter.drawLine(14, 62, 30, 62);
    drawFolder(5, 6);
    drawFolder(30, 30);
    drawFolder(30, 54);
    painter.setPen(Qt::black);
    QFont font = windowFont();
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, size.height() - 16, size.width(), 14), Qt::AlignCenter, QStringLiteral("dirnal.lst"));
    return picture;
}

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

}  // namespace

double informationWindowLeft(double screenLeft, double screenWidth, double mainLeft, double mainWidth)
{
    const double room = screenLeft + screenWidth - mainLeft - mainWidth - Form2::kDesignWidthTwips;
    return room >= 0 ? mainLeft + mainWidth : screenLeft;
}

Form2::Form2(PageOpener openPage, std::string documentationPage, QWidget* parent)
    : QWidget(parent, Qt::Window), openPage_(std::move(openPage)), documentationPage_(std::move(documentationPage))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("INFO"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(windowFont());

    auto* title = place(new QLabel(QString::fromUtf8(about::kTitle), this), "Label1", 240, 120, 3075, 495);
    QFont titleFont = windowFont();
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    title->setFont(titleFont);
    place(new QLabel(translated("Form2", about::kTagline), this), "Label2", 240, 480, 2895, 495)->setWordWrap(true);
    auto* details = place(new QLabel(translated("Form2", QT_TRANSLATE_NOOP("Form2", "Details:")), this), "Label6", 240, 1200, 855, 255);
    // Black on its white, whatever the theme's colours.
    QPalette white = details->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    details->setPalette(white);
    details->setAutoFillBackground(true);
    auto* text = place(new QPlainTextEdit(this), "Text1", 180, 1440, 5055, 1335);
    text->setPlainText(translated("Form2", about::kDetails).trimmed());
    text->setReadOnly(true);
    // The cursor shows where the focus is, and the keyboard selects text to copy.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setAccessibleName(translated("Form2", QT_TRANSLATE_NOOP("Form2", "Details:")));
    place(new QLabel(QString::fromUtf8(about::kAuthor), this), "Label3", 3360, 2880, 1815, 255);
    // The installed documentation, which says where new versions come from,
    // takes the place of a web page and an e-mail address the team has not.
    place(new LinkLabel(QString::fromStdString(documentationPage_), [this] { (void)openPage_(documentationPage_); },
                        this),
          "Label5", 840, 3420, 4395, 255);
    auto* ok = place(new QPushButton(translated("Form2", QT_TRANSLATE_NOOP("Form2", "OK")), this), "Command1", 2280, 3720, 1335, 375);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    ok->setFocus(Qt::OtherFocusReason);
    KeyActions::of(this)
        .on({Qt::Key_Return, Qt::Key_Enter},
            [ok] {
                ok->click();
                return true;
            })
        .on({Qt::Key_Escape}, [this] { return close(); });
    auto* picture = place(new QLabel(this), "Picture1", 3600, 120, 1575, 1215);
    picture->setPixmap(folderTreePicture(picture->size()));
    picture->setAccessibleName(translated("Form2", QT_TRANSLATE_NOOP("Form2", "Bild: Ordnerbaum und dirnal.lst")));

    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
}

void Form2::load(const QRect& mainWindow, const QRect& screen)
{
    const double left = informationWindowLeft(pixelsToTwips(screen.left()), pixelsToTwips(screen.width()),
                                              pixelsToTwips(mainWindow.left()), pixelsToTwips(mainWindow.width()));
    move(twipsToPixels(left), mainWindow.top());
    resize(0, height());
    show();
    slideOpen();
}

void Form2::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closed();
}

void Form2::slideOpen()
{
    // Grows in steps, drawn at once each time; the last step may pass the
    // design width by less than one step.
    const int frame = frameGeometry().width() - width();
    double widthTwips = pixelsToTwips(frameGeometry().width());
    slideSteps_ = 0;
    while (widthTwips < kDesignWidthTwips) {
        widthTwips += kSlideStepTwips;
        resize(twipsToPixels(widthTwips) - frame, height());
        repaint();
        QThread::msleep(1);
        ++slideSteps_;
    }
}

}  // namespace dirnal::ui
