#pragma once

#include <QWidget>

#include <functional>
#include <string>

namespace dirnal::ui {

// The information window "INFO": what the application is, who makes it,
// and a link to its download page. It slides open beside the main window.
// "OK" has the focus; Return presses it, Escape closes the window as it does.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    using PageOpener = std::function<bool(const std::string& address)>;

    // The width the window needs beside the main window, outside its frame.
    static constexpr int kDesignWidthTwips = 5520;
    static constexpr int kClientWidthTwips = 5400;
    static constexpr int kClientHeightTwips = 4245;
    static constexpr int kSlideStepTwips = 200;

    // `documentationPage`: the page the link names and opens.
    Form2(PageOpener openPage, std::string documentationPage, QWidget* parent = nullptr);

    // Places the window beside the main window (its outer geometry), or at
    // the left edge of the screen when there is no room, and slides it open.
    void load(const QRect& mainWindow, const QRect& screen);

    // How many steps the last slide-open took.
    int slideSteps() const { return slideSteps_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void slideOpen();

    PageOpener openPage_;
    std::string documentationPage_;
    int slideSteps_ = 0;
};

// Where the information window's left edge goes (twips): flush with the main
// window's right edge when the screen has room for it there, else the
// screen's left edge.
double informationWindowLeft(double screenLeft, double screenWidth, double mainLeft, double mainWidth);

}  // namespace dirnal::ui
