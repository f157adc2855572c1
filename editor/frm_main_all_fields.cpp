// The window of all fields and the renaming of a record: every record of the
// catalogue as a card of its field, and a name of Field.txt changed in place.
#include "editor/frm_main.h"
#include "fielddata/coordinates.h"
#include "fielddata/field_scan.h"
#include "fielddata/message_text.h"

namespace ringwright {
namespace {

// The first cards come at once, the rest a step at a time, so a large
// catalogue never freezes the window.
constexpr int kFirstCards = 24;
constexpr int kCardsPerStep = 48;

}  // namespace

// The list's own entry names the card, so a record renamed before its card
// was added shows its new name.
FieldCard frmMain::cardOf(const fielddata::Catalogue& catalogue, fielddata::Archive* archive,
                          const std::string& archiveProblem, positions::Orientation seen, int record) {
    FieldCard card{record < view_.listCount(kCboFieldList) ? view_.listEntry(kCboFieldList, record)
                                                           : catalogue.names()[std::size_t(record)],
                   {}, {}, {}};
    const auto offset = catalogue.offsetAt(record);
    if (!offset) {
        card.place = "no slot";
        card.words = offset.reason();
        return card;
    }
    card.place = "at byte " + std::to_string(offset.value());
    if (!archive) {
        card.words = archiveProblem;
        return card;
    }
    const auto texts = fielddata::readWholeFieldAt(*archive, offset.value());
    if (!texts) {
        card.words = "No field: " + texts.reason();
        return card;
    }
    const positions::FieldPoints points = positions::pointsOf(texts.value());
    card.words = positions::describeField(points, seen);
    std::array<TwipsPoint, 9> markers;
    for (std::size_t i = 0; i < markers.size(); ++i)
        if (points[i]) markers[i] = {fielddata::gameToView(points[i]->x), fielddata::gameToView(points[i]->z)};
    card.markers = markers;
    return card;
}

// A saved field's card shows it as saved.
void frmMain::refreshCard(const fielddata::Catalogue& catalogue, fielddata::Archive& archive) {
    const int entry = view_.listIndex(kCboFieldList);
    AllFieldsView* window = view_.allFieldsWindow();
    if (!window || entry < 0 || std::size_t(entry) >= cards_.size()) return;
    cards_[std::size_t(entry)] = cardOf(catalogue, &archive, {}, orientation(), entry);
    window->replaceCard(entry, cards_[std::size_t(entry)]);
}

void frmMain::ShowAllFields() {
    auto catalogue = readCatalogue();
    if (!catalogue) return;
    fill_.emplace(CardFill{std::move(*catalogue), std::nullopt, {}, orientation()});
    auto archive = fielddata::Archive::open(archivePath(), platform_.userDataFolder());
    if (archive) {
        fill_->archive.emplace(std::move(archive.value()));
        recoverUnfinishedSave(*fill_->archive);
    } else {
        fill_->archiveProblem = archive.reason();
    }
    cards_.clear();
    AllFieldsView& window = view_.loadAllFieldsWindow();
    window.clearCards();
    window.show();
    if (addCards(kFirstCards)) window.fillLater();
}

bool frmMain::AllFields_Fill() { return addCards(kCardsPerStep); }

bool frmMain::addCards(int count) {
    AllFieldsView* window = view_.allFieldsWindow();
    if (!fill_ || !window) return false;
    const int records = int(fill_->catalogue.names().size());
    for (int step = 0; step < count && int(cards_.size()) < records; ++step) {
        cards_.push_back(cardOf(fill_->catalogue, fill_->archive ? &*fill_->archive : nullptr, fill_->archiveProblem,
                                fill_->seen, int(cards_.size())));
        window->addCard(cards_.back());
        if (int(cards_.size()) - 1 == view_.listIndex(kCboFieldList)) window->setCurrentCard(int(cards_.size()) - 1);
    }
    if (int(cards_.size()) < records) return true;
    fill_.reset();  // the archive closes
    return false;
}

void frmMain::AllFields_Choose(int card) {
    if (card < 0 || card >= view_.listCount(kCboFieldList) || card == view_.listIndex(kCboFieldList)) return;
    view_.setListIndex(kCboFieldList, card);
    cboFieldList_Click();
}

void frmMain::RenameField(int entry) {
    if (entry < 0 || entry >= view_.listCount(kCboFieldList)) return;
    const std::string old = view_.listEntry(kCboFieldList, entry);
    const auto name = view_.askText("Rename field", "New name for " + fielddata::quotedForMessage(old) + ":", old);
    if (!name || *name == old) return;
    if (const auto renamed = fielddata::renameInCatalogue(fielddata::systemFileSystem(), cataloguePath(), entry, old, *name);
        !renamed) {
        say(renamed.reason(), style::kExclamation);
        return;
    }
    view_.setListEntry(kCboFieldList, entry, *name);
    if (std::size_t(entry) < cards_.size()) {
        cards_[std::size_t(entry)].name = *name;
        if (AllFieldsView* window = view_.allFieldsWindow()) window->replaceCard(entry, cards_[std::size_t(entry)]);
    }
}

}  // namespace ringwright
