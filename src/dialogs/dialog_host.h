#pragma once

// How every dialog of the program lives, from the start-up to the quit.
//
// 1. One file pair per dialog under src/dialogs/, a class deriving from
//    ValueDialog<Result> below. A dialog never sees the Workspace nor the
//    Renderer: it is given plain values when it opens and gives plain values
//    back (its Result); the editor applies them through src/actions/.
//
// 2. Loading. The main window's constructor adds every dialog to its
//    DialogHost (`dialogs().add<PrintDialog>()`, one line per dialog); its
//    load() calls DialogHost::loadAll() once, which runs each dialog's load():
//    whatever the dialog builds for all its openings (lists, pictures, fonts)
//    is ready at start-up, and the dialog stays hidden until asked. A dialog
//    added after loadAll() is loaded as it is added.
//
// 3. What is kept between openings (a last choice, a frame left shown) is a
//    plain struct, `State`, declared by the dialog and held by the host apart
//    from the widget: `dialogs().state<PrintDialog>()`. The dialog reads it
//    when it opens and writes it when it closes; nothing is read back from a
//    hidden widget.
//
// 4. Each opening starts as that dialog's activation says: the dialog's own
//    open(input, state, done) sets every control from `input` and `state`
//    (never from what the last opening left in the widgets), then calls
//    openFor(done).
//
// 5. No opening waits. openFor() shows the dialog modal to its window and
//    returns at once; `done` is called exactly once, with the Result when the
//    person confirms (finish(result)) and with nothing when they cancel, press
//    Escape or close the frame. Tests open a dialog, click its buttons with
//    QTest and read what `done` got; nothing ever calls exec().

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <typeindex>
#include <vector>

#include <QCloseEvent>
#include <QDialog>

namespace tess {

// What the host knows of a dialog: its own load, run once.
class HostedDialog {
  public:
    virtual ~HostedDialog() = default;
    virtual void load() {}
};

// The base of a dialog that gives values back.
template <class Result>
class ValueDialog : public QDialog, public HostedDialog {
  public:
    using Done = std::function<void(const std::optional<Result>&)>;

    explicit ValueDialog(QWidget* parent) : QDialog(parent) {}

    // Shows the dialog modal to its window without waiting for the answer.
    void openFor(Done done) {
        done_ = std::move(done);
        setWindowModality(Qt::WindowModal);
        show();
    }
    bool isOpen() const { return bool(done_); }

  protected:
    // The person confirmed: the dialog hides and hands `result` on.
    void finish(const Result& result) {
        QDialog::accept();
        answer(result);
    }
    // Escape, "Annuler" and the frame's close all end here.
    void reject() override {
        QDialog::reject();
        answer(std::nullopt);
    }
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        reject();
    }

  private:
    void answer(const std::optional<Result>& result) {
        // Taken out first: the callback may open the dialog again.
        Done done = std::move(done_);
        done_ = nullptr;
        if (done) done(result);
    }
    Done done_;
};

// Owns every dialog of one window and what each keeps between openings.
class DialogHost {
  public:
    explicit DialogHost(QWidget& owner) : owner_(owner) {}

    // Makes dialog D, a child of the owner, hidden; loaded at once when the
    // host already loaded the others. Adding the same dialog twice gives the
    // first.
    template <class D>
    D& add() {
        if (D* existing = find<D>()) return *existing;
        auto* dialog = new D(&owner_);
        dialog->hide();
        entries_.push_back(
            {std::type_index(typeid(D)), dialog, std::make_shared<typename D::State>()});
        if (loaded_) dialog->load();
        return *dialog;
    }

    template <class D>
    D& get() {
        return add<D>();
    }

    // What dialog D keeps between openings; made with the dialog.
    template <class D>
    typename D::State& state() {
        add<D>();
        for (Entry& e : entries_)
            if (e.type == std::type_index(typeid(D)))
                return *std::static_pointer_cast<typename D::State>(e.state);
        std::abort();  // add() made the entry
    }

    // Runs every dialog's own load, once.
    void loadAll() {
        if (loaded_) return;
        loaded_ = true;
        for (Entry& e : entries_) e.dialog->load();
    }
    bool loaded() const { return loaded_; }

  private:
    struct Entry {
        std::type_index type;
        HostedDialog* dialog;  // a child of the owner, which deletes it
        std::shared_ptr<void> state;
    };

    template <class D>
    D* find() {
        for (Entry& e : entries_)
            if (e.type == std::type_index(typeid(D))) return static_cast<D*>(e.dialog);
        return nullptr;
    }

    QWidget& owner_;
    std::vector<Entry> entries_;
    bool loaded_ = false;
};

}  // namespace tess
