#pragma once

#include <string>

#include <QObject>

class QLabel;
class QWidget;

namespace tess {

class DocumentSession;
class PictureBox;
struct RedrawResult;

// The blazon under the shield and the warning sign that shows, when the arms
// break a rule, what is wrong in its tooltip.
class BlazonPanel : public QObject {
    Q_OBJECT
  public:
    // The blazon follows every redraw of `session`; the sign's click shows the
    // document's warnings.
    BlazonPanel(QWidget& window, const DocumentSession& session);

    void applyRedraw(const RedrawResult& result);
    // The sign's click: the warnings again in its tooltip, shown at once.
    void showWarnings(const std::string& text);

    QLabel* blazonLabel() const { return blazonLabel_; }
    PictureBox* warningSign() const { return warningSign_; }

  private:
    QLabel* blazonLabel_ = nullptr;
    PictureBox* warningSign_ = nullptr;
};

}  // namespace tess
