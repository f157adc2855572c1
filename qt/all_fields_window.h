#pragma once
// The window of all fields in Qt: a list in icon mode, a card per record,
// each a small picture of its field over its name, offset and words. A
// window of its own; choosing a card or F2 on it goes to the behaviour.
#include <QListWidget>
#include <QIcon>

#include "editor/frm_main.h"
#include "editor/views.h"

namespace ringwright {

class AllFieldsWindow : public QListWidget, public AllFieldsView {
    Q_OBJECT
public:
    explicit AllFieldsWindow(frmMain& behaviour);

    void show() override;
    void clearCards() override;
    void addCard(const FieldCard& card) override;
    void replaceCard(int card, const FieldCard& with) override;
    void setCurrentCard(int card) override;
    void fillLater() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmMain& behaviour_;
    QIcon placeHolder_;  // empty, shared by every card
};

}  // namespace ringwright
