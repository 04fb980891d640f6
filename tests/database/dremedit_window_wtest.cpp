// SPDX-License-Identifier: MIT
#include "database/dremedit_window.h"

#include "database/attributes.h"
#include "database/eras.h"
#include "database/items.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "shell/qt_host.h"
#include "shell/qt_windows.h"
#include "support/sample_items.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <string>
#include <vector>

using namespace stratavex;

namespace {

using testing::RecordingQtHost;

itemrec dinosaur(const char* name, const char* image, const char* found) {
    itemrec r;
    r.name = name;
    r.dif = 2;
    r.artist = 1;
    r.image = image;
    r.pronounce = "say it";
    r.roots = "Greek";
    r.translation = "a lizard";
    r.whynamed = "for a reason";
    r.order = "Saurischia";
    r.suborder = "Theropoda";
    r.family = "Tyrannosauridae";
    r.length = "40 ft";
    r.weight = "7 tons";
    r.found = found;
    r.era = "Late Cretaceous";
    r.erarange = eraSpan(r.era);
    r.diet = "meat";
    r.desc = "First line\r\nsecond line";
    return r;
}

} // namespace

class DremeditWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titleIsEdit();
    void controlsShowTheirCaptionsAndTips_data();
    void controlsShowTheirCaptionsAndTips();
    void boxesShowTheFirstItem_data();
    void boxesShowTheFirstItem();
    void nameListHoldsEveryNameInTableOrder();
    void pictureAndArtistShowOnlyForAnItemWithAPicture();
    void editingABoxChangesTheTableAtOnce();
    void aDoubleQuoteCannotBeTyped();
    void difficultyBoxIsKeptWithinOneToThree_data();
    void difficultyBoxIsKeptWithinOneToThree();
    void spinnerStopsAtOneAndThree();
    void navigationShowsTheItemReached_data();
    void navigationShowsTheItemReached();
    void closingWritesTheChangedTable_data();
    void closingWritesTheChangedTable();
    void emptyTableShowsTheEmptyRecordAndWritesNothing();
    void browsingAWholeDatabaseLeavesItsFileAlone();
    void aFileNotReadWholeIsToldAndKept_data();
    void aFileNotReadWholeIsToldAndKept();
    void storeListWithCancelWritesNothing();
    void storeListWithOkWritesTheFiveLists();
    void editorIsShownModallyThroughTheHost();

private:
    template <typename W> W* child(const char* name) {
        return testing::requireControl<W>(*window_, QString::fromLatin1(name));
    }
    void openEditor();
    void typeInto(const char* box, const QString& text);
    QString filePath(const char* name) const {
        return folder_->filePath(QString::fromLatin1(name));
    }
    QByteArray fileBytes(const char* name) const { return testing::readFile(filePath(name)); }
    void writeFile(const char* name, const QByteArray& bytes) const;
    const itemrec& item(int i) const { return game_->db.items[static_cast<std::size_t>(i)]; }

    std::unique_ptr<testing::WorkingFolder> folder_;
    std::unique_ptr<RecordingQtHost> host_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<dremedit> window_;
};

void DremeditWindowTest::init() {
    folder_ = std::make_unique<testing::WorkingFolder>();
    QVERIFY(folder_->enter());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QVERIFY(picture.save(filePath("rex.png")));

    host_ = std::make_unique<RecordingQtHost>(folder_->path());
    game_ = std::make_unique<Game>(*host_);
    ItemTable& db = game_->db;
    db.items[1] = dinosaur("Tyrannosaurus Rex", "rex.png", "Montana");
    db.items[2] = dinosaur("Velociraptor", "", "Mongolia");
    db.items[3] = dinosaur("Iguanodon", "", "Belgium");
    db.nitems = 3;
}

void DremeditWindowTest::cleanup() {
    window_.reset();
    game_.reset();
    host_.reset();
    folder_.reset();
}

void DremeditWindowTest::writeFile(const char* name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void DremeditWindowTest::openEditor() {
    window_ = std::make_unique<dremedit>(*game_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void DremeditWindowTest::typeInto(const char* box, const QString& text) {
    auto* edit = child<QLineEdit>(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void DremeditWindowTest::titleIsEdit() {
    openEditor();
    QCOMPARE(window_->windowTitle(), QStringLiteral("Edit"));
}

void DremeditWindowTest::controlsShowTheirCaptionsAndTips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::newRow("txtDiet") << "txtDiet"
                             << ""
                             << "";
    QTest::newRow("txtEra") << "txtEra"
                            << ""
                            << "";
    QTest::newRow("Frame2") << "Frame2"
                            << "Difficulty"
                            << "Change the difficulty";
    QTest::newRow("dif") << "dif"
                         << ""
                         << "";
    QTest::newRow("UpDown2") << "UpDown2"
                             << ""
                             << "";
    QTest::newRow("txtclass1") << "txtclass1"
                               << ""
                               << "";
    QTest::newRow("txtClass2") << "txtClass2"
                               << ""
                               << "";
    QTest::newRow("txtClass3") << "txtClass3"
                               << ""
                               << "";
    QTest::newRow("txtWhere") << "txtWhere"
                              << ""
                              << "";
    QTest::newRow("txtPronounce") << "txtPronounce"
                                  << ""
                                  << "";
    QTest::newRow("txtwhy") << "txtwhy"
                            << ""
                            << "Why this name was given";
    QTest::newRow("TxtTranslate2") << "TxtTranslate2"
                                   << ""
                                   << "English translation";
    QTest::newRow("txtTranslate1") << "txtTranslate1"
                                   << ""
                                   << "Roots of the name";
    QTest::newRow("txtLength") << "txtLength"
                               << ""
                               << "";
    QTest::newRow("txtWt") << "txtWt"
                           << ""
                           << "";
    QTest::newRow("Text4") << "Text4"
                           << ""
                           << "";
    QTest::newRow("txtDesc") << "txtDesc"
                             << ""
                             << "Description of person or event";
    QTest::newRow("cmdPrev") << "cmdPrev"
                             << "Previous"
                             << "";
    QTest::newRow("cmdNext") << "cmdNext"
                             << "Next"
                             << "";
    QTest::newRow("cmdPrint") << "cmdPrint"
                              << "Store list"
                              << "";
    QTest::newRow("Command1") << "Command1"
                              << "ok"
                              << "Save changes, & return to setup screen";
    QTest::newRow("cmbitem") << "cmbitem"
                             << ""
                             << "Choose an item to display";
    QTest::newRow("Label1") << "Label1"
                            << "Image file"
                            << "";
    QTest::newRow("Image1") << "Image1"
                            << ""
                            << "";
    QTest::newRow("Order label") << "lblOrder"
                                 << "Order"
                                 << "";
    QTest::newRow("Suborder label") << "lblSuborder"
                                    << "Suborder"
                                    << "";
    QTest::newRow("Family label") << "lblFamily"
                                  << "Family"
                                  << "";
    QTest::newRow("Length label") << "lblLength"
                                  << "Length"
                                  << "";
    QTest::newRow("Weight label") << "lblWeight"
                                  << "Weight"
                                  << "";
}

void DremeditWindowTest::controlsShowTheirCaptionsAndTips() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    openEditor();
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QVERIFY2(control->isVisibleTo(window_.get()), qPrintable(name));
    if (!caption.isEmpty())
        QCOMPARE(testing::captionOf(*control), caption);
    QCOMPARE(control->toolTip(), tip);
}

void DremeditWindowTest::boxesShowTheFirstItem_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("diet") << "txtDiet"
                          << "meat";
    QTest::newRow("era") << "txtEra"
                         << "Late Cretaceous";
    QTest::newRow("difficulty") << "dif"
                                << "2";
    QTest::newRow("order") << "txtclass1"
                           << "Saurischia";
    QTest::newRow("suborder") << "txtClass2"
                              << "Theropoda";
    QTest::newRow("family") << "txtClass3"
                            << "Tyrannosauridae";
    QTest::newRow("found") << "txtWhere"
                           << "Montana";
    QTest::newRow("pronounce") << "txtPronounce"
                               << "say it";
    QTest::newRow("why named") << "txtwhy"
                               << "for a reason";
    QTest::newRow("translation") << "TxtTranslate2"
                                 << "a lizard";
    QTest::newRow("roots") << "txtTranslate1"
                           << "Greek";
    QTest::newRow("length") << "txtLength"
                            << "40 ft";
    QTest::newRow("weight") << "txtWt"
                            << "7 tons";
    QTest::newRow("image") << "Text4"
                           << "rex.png";
}

void DremeditWindowTest::boxesShowTheFirstItem() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    openEditor();
    QCOMPARE(child<QLineEdit>(box.toLatin1().constData())->text(), text);
    QCOMPARE(child<QPlainTextEdit>("txtDesc")->toPlainText(),
             QStringLiteral("First line\nsecond line"));
    QCOMPARE(child<QComboBox>("cmbitem")->currentText(), QStringLiteral("Tyrannosaurus Rex"));
    QVERIFY(host_->messages.empty());
}

void DremeditWindowTest::nameListHoldsEveryNameInTableOrder() {
    openEditor();
    auto* combo = child<QComboBox>("cmbitem");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("Tyrannosaurus Rex"));
    QCOMPARE(combo->itemText(1), QStringLiteral("Velociraptor"));
    QCOMPARE(combo->itemText(2), QStringLiteral("Iguanodon"));
    QVERIFY(!combo->isEditable());
}

void DremeditWindowTest::pictureAndArtistShowOnlyForAnItemWithAPicture() {
    inittables(*game_);
    openEditor();
    QVERIFY(child<QWidget>("Image1")->isVisible());
    QCOMPARE(child<QLabel>("Label2")->text(),
             QStringLiteral("Artist: ") + QString::fromStdString(game_->artists[1].credit));
    child<QAbstractButton>("cmdNext")->click();
    QVERIFY(!child<QWidget>("Image1")->isVisible());
    QCOMPARE(child<QLabel>("Label2")->text(), QString());
}

void DremeditWindowTest::editingABoxChangesTheTableAtOnce() {
    openEditor();
    typeInto("txtWhere", QStringLiteral("Alberta"));
    QCOMPARE(item(1).found, std::string("Alberta"));
    typeInto("txtEra", QStringLiteral("Early Cretaceous"));
    QCOMPARE(item(1).era, std::string("Early Cretaceous"));
    QCOMPARE(item(1).erarange, eraSpan("Late Cretaceous"));

    auto* desc = child<QPlainTextEdit>("txtDesc");
    desc->setFocus();
    desc->moveCursor(QTextCursor::End);
    QTest::keyClick(desc, Qt::Key_Return);
    QTest::keyClicks(desc, QStringLiteral("third"));
    QCOMPARE(item(1).desc, std::string("First line\r\nsecond line\r\nthird"));
    QCOMPARE(item(2).found, std::string("Mongolia"));
}

void DremeditWindowTest::aDoubleQuoteCannotBeTyped() {
    openEditor();
    auto* box = child<QLineEdit>("txtwhy");
    box->setFocus();
    box->setCursorPosition(4);
    QTest::keyClicks(box, QStringLiteral("\"x\""));
    QCOMPARE(box->text(), QStringLiteral("for xa reason"));
    QCOMPARE(box->cursorPosition(), 5);
    QCOMPARE(item(1).whynamed, std::string("for xa reason"));
}

void DremeditWindowTest::difficultyBoxIsKeptWithinOneToThree_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::newRow("7 becomes 3") << "7"
                                 << "3" << 3;
    QTest::newRow("0 becomes 1") << "0"
                                 << "1" << 1;
    QTest::newRow("3 stays") << "3"
                             << "3" << 3;
    QTest::newRow("no number keeps the difficulty") << ""
                                                    << "" << 2;
}

void DremeditWindowTest::difficultyBoxIsKeptWithinOneToThree() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    openEditor();
    auto* box = child<QLineEdit>("dif");
    box->setFocus();
    box->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), shown);
    QCOMPARE(int{item(1).dif}, stored);
    child<QLineEdit>("txtDiet")->setFocus();
    QCOMPARE(box->text(), QString::number(stored));
}

void DremeditWindowTest::spinnerStopsAtOneAndThree() {
    openEditor();
    auto* spinner = child<QWidget>("UpDown2");
    auto* up = spinner->findChild<QToolButton*>(QStringLiteral("up"));
    auto* down = spinner->findChild<QToolButton*>(QStringLiteral("down"));
    QVERIFY(up != nullptr && down != nullptr);
    auto* box = child<QLineEdit>("dif");
    up->click();
    QCOMPARE(box->text(), QStringLiteral("3"));
    up->click();
    QCOMPARE(box->text(), QStringLiteral("3"));
    QCOMPARE(int{item(1).dif}, 3);
    for (int i = 0; i < 4; ++i)
        down->click();
    QCOMPARE(box->text(), QStringLiteral("1"));
    QCOMPARE(int{item(1).dif}, 1);
}

// Steps of the author: '<' and '>' click Previous and Next, 'v' moves down
// the name list with the arrow key.
void DremeditWindowTest::navigationShowsTheItemReached_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("listIndex");
    QTest::addColumn<QString>("found");
    QTest::newRow("Previous on the first item stays there") << "<" << 0 << "Montana";
    QTest::newRow("Next on the last item stays there") << ">>>>" << 2 << "Belgium";
    QTest::newRow("Previous after the last item steps back") << ">>>><" << 1 << "Mongolia";
    QTest::newRow("choosing a name shows that item") << "vv" << 2 << "Belgium";
    QTest::newRow("Previous from a chosen name steps back") << "vv<" << 1 << "Mongolia";
}

void DremeditWindowTest::navigationShowsTheItemReached() {
    QFETCH(QString, steps);
    QFETCH(int, listIndex);
    QFETCH(QString, found);
    openEditor();
    auto* combo = child<QComboBox>("cmbitem");
    for (const QChar step : steps) {
        if (step == QLatin1Char('<'))
            child<QAbstractButton>("cmdPrev")->click();
        else if (step == QLatin1Char('>'))
            child<QAbstractButton>("cmdNext")->click();
        else {
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
        }
    }
    QCOMPARE(combo->currentIndex(), listIndex);
    QCOMPARE(int{game_->curitem}, listIndex + 1);
    QCOMPARE(child<QLineEdit>("txtWhere")->text(), found);
}

void DremeditWindowTest::closingWritesTheChangedTable_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("sizeLine");
    QTest::newRow("the ok button") << false << "txtWt"
                                   << "8 tons" << QByteArray("\"40 ft\",\"8 tons\"\r\n");
    QTest::newRow("the close box") << true << "txtLength"
                                   << "12 m" << QByteArray("\"12 m\",\"7 tons\"\r\n");
}

void DremeditWindowTest::closingWritesTheChangedTable() {
    QFETCH(bool, closeBox);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QByteArray, sizeLine);
    openEditor();
    typeInto(box.toLatin1().constData(), typed);
    QVERIFY(!QFile::exists(filePath("drem.dat")));
    if (closeBox)
        window_->close();
    else
        child<QAbstractButton>("Command1")->click();
    QVERIFY(!window_->isVisible());
    QVERIFY(fileBytes("drem.dat").contains(sizeLine));
    ItemTable reloaded;
    parsedb(fileBytes("drem.dat").toStdString(), reloaded);
    QCOMPARE(int{reloaded.nitems}, 3);
    QVERIFY(reloaded.items[1] == item(1));
    QVERIFY(reloaded.items[2] == item(2));
    QVERIFY(host_->messages.empty());
}

void DremeditWindowTest::emptyTableShowsTheEmptyRecordAndWritesNothing() {
    game_->db.nitems = 0;
    game_->db.items.clear();
    QFile old(filePath("drem.dat"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("a database that did not load");
    old.close();

    openEditor();
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(host_->messages[0].text, std::string("Problem? no name for 0"));
    QCOMPARE(child<QComboBox>("cmbitem")->count(), 0);
    QVERIFY(!child<QWidget>("Image1")->isVisible());
    for (const char* button : {"cmdPrev", "cmdNext", "cmdPrint"})
        QVERIFY2(!child<QAbstractButton>(button)->isEnabled(), button);
    QVERIFY(child<QLineEdit>("txtWhere")->isReadOnly());

    child<QAbstractButton>("Command1")->click();
    QCOMPARE(fileBytes("drem.dat"), QByteArray("a database that did not load"));
    QCOMPARE(host_->messages.size(), std::size_t{1});
}

void DremeditWindowTest::browsingAWholeDatabaseLeavesItsFileAlone() {
    const QByteArray original = QByteArray::fromStdString(formatdb(game_->db));
    writeFile("drem.dat", original);
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-2);
    {
        QFile file(filePath("drem.dat"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    openEditor();
    child<QAbstractButton>("cmdNext")->click();
    child<QAbstractButton>("cmdNext")->click();
    child<QAbstractButton>("cmdPrev")->click();
    child<QAbstractButton>("Command1")->click();
    QVERIFY(!window_->isVisible());
    QCOMPARE(fileBytes("drem.dat"), original);
    QCOMPARE(QFileInfo(filePath("drem.dat")).lastModified(), longAgo);
    QVERIFY(host_->messages.empty());
}

void DremeditWindowTest::aFileNotReadWholeIsToldAndKept_data() {
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QString>("told");
    const QByteArray tooMany = QByteArray::fromStdString(testing::numberedRecords(501));
    const std::string three = testing::numberedRecords(3);
    const QByteArray cutShort = QByteArray::fromStdString(three + "\"***\"\r\n\"Dino4\"");
    const QString tooManyTold = QStringLiteral(
        "The database file drem.dat was not read whole: More than 500 records in the file.\r\n"
        "The editor holds the 500 items read from it. Closing without a change leaves drem.dat "
        "as it is. If you change anything, drem.dat is saved with these items alone, and the "
        "file as it is now is first kept as drem.dat.bad.");
    QTest::newRow("501 records, closed unchanged") << tooMany << false << tooManyTold;
    QTest::newRow("501 records, edited") << tooMany << true << tooManyTold;
    QTest::newRow("a record cut short, edited")
        << cutShort << true
        << QStringLiteral(
               "The database file drem.dat was not read whole: Input past end of file.\r\n"
               "The editor holds the 3 items read from it. Closing without a change leaves "
               "drem.dat as it is. If you change anything, drem.dat is saved with these items "
               "alone, and the file as it is now is first kept as drem.dat.bad.");
}

void DremeditWindowTest::aFileNotReadWholeIsToldAndKept() {
    QFETCH(QByteArray, original);
    QFETCH(bool, edited);
    QFETCH(QString, told);
    writeFile("drem.dat", original);
    loaddb(*game_);
    host_->messages.clear();

    openEditor();
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(host_->messages[0].text), told);
    QCOMPARE(host_->messages[0].title, std::string("Edit"));
    if (edited)
        typeInto("txtWt", QStringLiteral("8 tons"));
    child<QAbstractButton>("Command1")->click();

    QCOMPARE(fileBytes(edited ? "drem.dat.bad" : "drem.dat"), original);
    QCOMPARE(QFile::exists(filePath("drem.dat.bad")), edited);
    if (edited) {
        ItemTable saved;
        parsedb(fileBytes("drem.dat").toStdString(), saved);
        QCOMPARE(int{saved.nitems}, int{game_->db.nitems});
        QCOMPARE(saved.items[1].weight, std::string("8 tons"));
        QCOMPARE(host_->messages.size(), std::size_t{2});
        QVERIFY(host_->messages[1].text.ends_with("kept as drem.dat.bad."));
    }
}

void DremeditWindowTest::storeListWithCancelWritesNothing() {
    openEditor();
    host_->answers.push_back(Answer::Cancel);
    child<QAbstractButton>("cmdPrint")->click();
    QCOMPARE(host_->messages.size(), std::size_t{1});
    QCOMPARE(host_->messages[0].text, std::string("Ready to store list 'drem.txt'"));
    QCOMPARE(host_->messages[0].title, std::string("Store list to file"));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"rex.png"});
}

void DremeditWindowTest::storeListWithOkWritesTheFiveLists() {
    openEditor();
    child<QAbstractButton>("cmdPrint")->click();
    QCOMPARE(
        fileBytes("d-found.txt"),
        QByteArray("Montana Tyrannosaurus Rex\r\nMongolia Velociraptor\r\nBelgium Iguanodon\r\n"));
    for (const char* list : {"drem.txt", "d-name.txt", "d-era.txt", "d-class.txt"})
        QVERIFY2(!fileBytes(list).isEmpty(), list);
    QVERIFY(fileBytes("drem.txt")
                .startsWith("Tyrannosaurus Rex <rex.png>  'a lizard' for a reason"
                            "           [Greek]\r\n"));
}

void DremeditWindowTest::editorIsShownModallyThroughTheHost() {
    registerWindows(*host_, *game_);
    QPointer<QWidget> seen;
    QString seenName;
    QTimer::singleShot(0, [&seen, &seenName] {
        seen = QApplication::activeModalWidget();
        if (seen != nullptr) {
            seenName = seen->objectName();
            seen->close();
        }
    });
    showeditor(*game_);
    QCOMPARE(seenName, QStringLiteral("dremedit"));
    QVERIFY2(seen.isNull(), "the window is destroyed when it closes");
    QVERIFY2(!QFile::exists(filePath("drem.dat")), "opening and closing is no change");
}

QTEST_MAIN(DremeditWindowTest)
#include "dremedit_window_wtest.moc"
