// What the main window shows for a title, the helpers the display and export share, the find
// box's search, what the filter's walk leaves behind; the filter dialog's start values, date
// buttons, ways of closing and captions.
#include "browse/EnteredDate.h"
#include "browse/FilterRun.h"
#include "browse/FilterSettings.h"
#include "browse/TitleDisplay.h"
#include "browse/TitleFinder.h"
#include "browse/frmFilter.h"
#include "settings/PendingWork.h"
#include "support/CatalogueFolder.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

using Tip = std::optional<QString>;

namespace {

// Two sets that differ in every field, so that each control is seen to carry its own.
FilterSettings sample(bool present) {
    return {present,  present ? "2005" : "05",  !present, present,
            !present, present ? "2006-03" : "", present};
}

FilterSettings shown(const QWidget& d) {
    const auto on = [&](const char* n) { return d.findChild<QAbstractButton*>(n)->isChecked(); };
    const auto text = [&](const char* n) { return d.findChild<QLineEdit*>(n)->text(); };
    return {on("Check1"), text("Text1"), on("Check2"), on("Option3"),
            on("Check3"), text("Text2"), on("Check4")};
}

void click(const QWidget& d, const char* name) {
    QTest::mouseClick(d.findChild<QAbstractButton*>(name), Qt::LeftButton);
}

// One opening of the dialog on settings of its own.
struct Opened {
    FilterSettings filter;
    PendingWork pending{};
    FixedClock clock{QDateTime(QDate(2006, 3, 14), QTime(23, 59))};
    frmFilter dialog{filter, pending, clock};
};

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

// "Name=text", then " [=]" for a tooltip equal to the text, " [tip]" for another, or nothing.
QStringList shown(const TitleView& view) {
    QStringList out;
    for (const ControlText& c : view.controls)
        out << c.control + u'=' + c.text +
                   (!c.toolTip             ? ""
                    : *c.toolTip == c.text ? " [=]"
                                           : " [" + *c.toolTip + "]");
    return out;
}

QString shown(const TitleView& view, const char* control) {
    return shown(view).filter(QRegularExpression(QString("^%1=").arg(control))).value(0);
}

} // namespace

class TestBrowse : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The walk leaves the last title's record behind with its cover found, though it looked
    // for no cover on the way: a Jove Export may take that title up next.
    void filterLeavesTheLastTitle() {
        CatalogueFolder db;
        db.writeLines("reelkeep.dat", {"~ A| S| x| x| Present| x| x| x| x| x| x| 1| x ~",
                                       "~ B| S| x| x| Lent| x| x| x| x| x| x| 2| x ~"});
        db.write("Covers/1.jpg", "");
        db.write("Covers/2.jpg", "");
        CatalogueReader reader(db.dbPath(), db.coverPath());
        reader.skipCovers();
        FilterSettings filter;
        filter.FilterStatusOn = filter.FilterPresent = true;
        ScriptedPrompts prompts;
        CurrentTitle current;
        QStringList kept;
        FilterRun(reader, filter, {}, prompts)
            .run(TitleKeys{"A", "B"}, current, [&](const QString& t) { kept << t; });
        QCOMPARE(kept, QStringList{"A"});
        QCOMPARE(current.Title, QStringLiteral("B"));
        QCOMPARE(current.CoverFile, db.coverPath() + "2.jpg");
    }

    // The settings start with every criterion off, "Present" chosen, today's year and date. The
    // dialog is of fixed size, so every caption must fit its control, and "movies." stands apart
    // from the status choices it follows. It opens on the settings; a date button fills in the
    // date text and stores nothing.
    void openingAndDateButtons() {
        const Opened first;
        QCOMPARE(FilterSettings::startValues(first.clock),
                 (FilterSettings{false, "2006", false, true, false, "2006-03-14", false}));
        const frmFilter& dialog = first.dialog;
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        for (const QWidget* w : dialog.findChildren<QWidget*>()) {
            const QString caption =
                w->property(qobject_cast<const QGroupBox*>(w) ? "title" : "text").toString();
            QVERIFY2(w->width() >= w->fontMetrics().horizontalAdvance(caption),
                     qPrintable(w->objectName()));
        }
        const auto right = [&](const char* name) {
            return dialog.findChild<QWidget*>(name)->geometry().right();
        };
        QVERIFY(dialog.findChild<QWidget*>("Label3")->x() >
                std::max(right("Option3"), right("Option4")) + 1);
        for (const auto& [button, text] :
             {std::pair{"Command3", "2006-03-14"}, {"Command4", "2006-03"}, {"Command5", "2006"}}) {
            for (const bool present : {false, true}) { // the date criterion on, then off
                FilterSettings start = sample(present);
                start.FilterEnteredText = QStringLiteral("1999");
                Opened opened{start};
                click(opened.dialog, button);
                FilterSettings expected = start;
                expected.FilterEnteredText = text;
                QCOMPARE(shown(opened.dialog), expected);
                QCOMPARE(opened.filter, start);
            }
        }
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stores");
        QTest::newRow("Filter") << "Command1" << true;
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("Abort") << "Command2" << false;
        QTest::newRow("Esc") << "Esc" << false;
    }
    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, stores);
        Opened opened{sample(true)};
        opened.pending.filter = !stores;
        frmFilter& first = opened.dialog;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Option4"})
            click(first, name); // every setting the other way, as sample(false)
        first.findChild<QLineEdit*>("Text2")->clear();
        auto* text1 = first.findChild<QLineEdit*>("Text1");
        text1->setText("05");
        if (how.startsWith("Command"))
            click(first, qPrintable(how));
        else
            QTest::keyClick(text1, how == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!first.isVisible());
        QCOMPARE(opened.pending.filter, stores);
        QCOMPARE(opened.filter, sample(!stores));
        // The next opening shows what is stored.
        QCOMPARE(shown(frmFilter(opened.filter, opened.pending, opened.clock)), sample(!stores));
    }

    // The controls named in the expected list, in the order written. A title whose fields hold
    // their own names, or none. A long field is shown whole up to the bound, beyond it cut to its
    // start and "…", in captions, text boxes and tooltips alike; the cut parts no surrogate pair
    // and no CR LF.
    void display_data() {
        QTest::addColumn<bool>("named"); // every field holds its name
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("expected"); // as shown() writes the controls
        const QStringList full =
            QString("Label1=Title [=];Label2=AKA: AkaTitle [=];Label11=IMDB: ImdbName [ImdbLink];"
                    "Label12=Genre: Genre [Reelkeep Genre: CatalogueGenre - IMDB Genre: ImdbGenre];"
                    "Text17=Great\nfilm;Label13=Directed by Director [=];"
                    "Text14=Sigourney Weaver\nTom Skerritt;Label15=Tagline [=];"
                    "Text16=A crew\n\nwakes.;Label31=MPAA: Mpaa [=];Label3=IDX: Idx [=];"
                    "Label32=User IDX: UserIdx [=];Label33=Entry type: EntryType [=];"
                    "Label4=Year: Year [=];Label5=Status: Status [=];"
                    "Label6=Location: Location [=];Label7=RK Rating: Rating [=];"
                    "Label34=IMDB Rating: ImdbRating [=];Label8=Runtime: Runtime [=];"
                    "Label9=Medium: Medium [=];Label10=Language: Language [=];"
                    "Label17=Entered: Entered [Entered: Entered (Entered)];"
                    "Label18=No Files: NoFiles;Label19=Length: Length;Label20=Format: Format;"
                    "Label21=Codec: VideoCodec;Label22=Framerate: Framerate;"
                    "Label23=Bitrate: VideoBitrate;Label24=Width: 1920;Label25=Height: 1080;"
                    "Label26=Aspect: 1.78:1 (16:9);Label27=Codec: AudioCodec;"
                    "Label28=Bitrate: AudioBitrate;Label29=Samplerate: Samplerate;"
                    "Label30=Channels: AudioChannels")
                .split(u';');
        QTest::newRow("every field") << true << QString() << QString() << full;
        // An empty title empties every caption and the tooltips that follow it, but for these.
        QStringList empty;
        for (const QString& c : full)
            empty << c.section(u'=', 0, 0) + u'=' + (c.endsWith(u']') ? " [=]" : "");
        empty[2] = "Label11= [Double click to search IMDB]";
        empty[3] = "Label12= [Reelkeep Genre:  - IMDB Genre: ]";
        empty[10] = "Label3=IDX:  [=]";
        QTest::newRow("no field") << false << QString() << QString() << empty;
        const QString x(kShownChars, u'x'), cut = x + u'…', shorter = x.chopped(1);
        const auto row = [](const char* tag, const char* field, const QString& value,
                            const QString& expected) {
            QTest::newRow(tag) << false << QString(field) << value << QStringList{expected};
        };
        row("box at the bound", "Summary", x, "Text16=" + x);
        row("box one over", "Summary", x + "y", "Text16=" + cut);
        row("CR LF at the cut", "Comments", shorter + "\r\ny", "Text17=" + shorter + "…");
        row("caption one over", "Title", x + "y", "Label1=" + cut + " [=]");
        row("surrogate pair at the cut", "Title", shorter + "\U0001F600",
            "Label1=" + shorter + "… [=]");
        row("tooltip", "ImdbLink", x + "y", "Label11= [" + cut + "]");
        row("tooltip of two fields", "ImdbGenre", x + "y",
            "Label12= [Reelkeep Genre:  - IMDB Genre: " + cut + "]");
        row("entered", "Entered", x + "y",
            "Label17=Entered: " + cut + " [Entered: " + cut + " (" + cut + ")]");
        row("rating", "ImdbRating", "7" + x, "Label34=IMDB Rating: 7" + shorter + "… [=]");
    }
    void display() {
        QFETCH(bool, named);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QStringList, expected);
        CurrentTitle t;
        for (const auto& f : CurrentTitle::fields())
            t.*f.member = field == f.name ? value : named ? QLatin1String(f.name) : QString();
        if (named) {
            t.Comments = "Great\r\nfilm";
            t.Summary = "A crew\r\n\r\nwakes.";
            t.Actors = "Sigourney Weaver\r\nTom Skerritt";
            t.Width = "1920";
            t.Height = "1080";
        }
        const TitleView view = DescribeTitle(t, kUs);
        QStringList controls, got;
        for (const QString& e : expected)
            controls << e.section(u'=', 0, 0);
        for (const QString& c : shown(view))
            if (controls.contains(c.section(u'=', 0, 0)))
                got << c;
        QCOMPARE(got, expected);
        if (field == "ImdbRating") { // the rating caption and the bar's tooltip too
            QCOMPARE(view.rating.caption, "7" + QString(kShownChars - 1, u'x') + u'…');
            QCOMPARE(view.rating.barToolTip, Tip(view.rating.caption));
        }
    }

    // Each helper on "arguments => result" cases, the arguments separated by "|".
    void helpers_data() {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        const auto cases = [](const char* helper, const QString& list) {
            for (const QString& c : list.split(u';'))
                QTest::addRow("%s %s", helper, qPrintable(c))
                    << QString(helper) << c.section(" => ", 0, 0).split(u'|')
                    << c.section(" => ", 1);
        };
        // The bar and its colour: the frame's own, or the band's.
        cases("Rating", "Null => 0 Frame; => 0 Frame;null => 0 Frame;0 => 0 Frame;4.0 => 40 Red;"
                        "4.05 => 41 Red;4.1 => 41 Yellow;7 => 70 Yellow;7.1 => 71 Green;"
                        "7.5/10 => 75 Green;10 => 100 Green;12 => 100 Green;-1 => 0 Red;"
                        "1e999 => 100 Green");
        cases("LeadingNumber", " => 0;abc => 0;. => 0; \t-3.25x => -3.25;+.5 => 0.5;1.5.3 => 1.5;"
                               "1,5 => 1;2.5E2 votes => 250;5e-1 => 0.5;7e => 7;0.001e-999 => 0;"
                               "\u0663 => 0");
        cases("Aspected", "720|576 => ;720|480 => 1.33:1 (4:3);1920|1080 => 1.78:1 (16:9);"
                          "1998|1080 => 1.85:1;2048|858 => 2.35:1;133|100 => ;"
                          "1000|640 => 1.56:1 (14:9); 1920 |1080\t => 1.78:1 (16:9);"
                          "1.5e3|1000 => 1.33:1 (4:3);720|0 => ;0|0 => ;|480 => ;720 px|480 => ;"
                          "inf|1 => ");
        // After the last separator, up to it, up to the last ".".
        cases("PathPieces",
              "/movies/alien/alien.avi => alien.avi, /movies/alien/, /movies/alien/alien.;"
              "alien.avi => alien.avi, alien.avi, alien.;"
              "/movies/alien => alien, /movies/, /movies/alien;"
              "/movies/ => , /movies/, /movies/;/a.b/c => c, /a.b/, /a.; => , , ");
#ifdef Q_OS_WIN
        cases("PathPieces", "D:\\Movies\\x.avi => x.avi, D:\\Movies\\, D:\\Movies\\x.");
#else
        cases("PathPieces", "a\\x.avi => a\\x.avi, a\\x.avi, a\\x."); // no separator
#endif
        // Name and link; "?" stands for the IMDB title search.
        cases("ImdbAddress", "Alien|https://imdb.example/tt1 => https://imdb.example/tt1;"
                             "Blade Runner| => ?Blade+Runner;| => ?;"
                             "Tom & Jerry #2 1+1=2| => ?Tom+%26+Jerry+%232+1%2B1%3D2;"
                             "Am\u00e9lie| => ?Am%C3%A9lie");
        // The date in the caption, with the text as entered in the tooltip.
        cases("Entered", "en_US|2006-03-14 => 14 Mar 2006;en_US|2006-03-14 12:30:00 => 14 Mar 2006;"
                         "en_US|2006-03-14T12:30 => 14 Mar 2006;en_US|3/14/06 => 14 Mar 2006;"
                         "en_US|3/14/2006 => 14 Mar 2006;"
                         "en_US|Tuesday, March 14, 2006 => 14 Mar 2006;"
                         "de_DE|14.03.06 => 14 M\u00e4rz 2006;en_US|sometime => sometime;"
                         "en_US|2006-02-30 => 2006-02-30;en_US|2006-03-14 noon => 2006-03-14 noon;"
                         "en_US|14.03.06 => 14.03.06");
        // Titles, the text and the row the search starts at => the row found.
        cases("FindTitle",
              QString("%1|alien|0 => 0;%1|alien|2 => 3;%1|aLiEn|3 => 3;%1|runn|0 => 2;"
                      "%1|blade|3 => 2;%1|Predator|1 => -1;%1||0 => -1;%1|alien|-1 => 0;"
                      "%1|aliens|4 => 1;|a|0 => -1;x,Am\u00e9lie|AM\u00c9LIE|0 => 1")
                  .arg("Alien,Aliens,Blade Runner,The ALIEN Factor"));
    }
    void helpers() {
        QFETCH(QString, helper);
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        CurrentTitle t;
        QString got;
        if (helper == "Rating") {
            t.ImdbRating = args[0];
            const TitleView view = DescribeTitle(t, kUs);
            const char* colours[] = {"Frame", "Red", "Yellow", "Green"};
            got = QString("%1 %2").arg(view.rating.barValue).arg(colours[int(view.rating.colour)]);
            QCOMPARE(view.rating.caption, args[0] == "Null" ? QString() : args[0]);
            QCOMPARE(view.rating.barToolTip, args[0] == "Null" ? Tip() : Tip(args[0]));
            QCOMPARE(shown(view, "Label34"),
                     "Label34=" + (args[0].isEmpty() ? "" : "IMDB Rating: " + args[0]) + " [=]");
        } else if (helper == "LeadingNumber") {
            got = QString::number(LeadingNumber(args[0]));
        } else if (helper == "Aspected") {
            got = Aspected(args[0], args[1]);
        } else if (helper == "PathPieces") {
            got =
                QStringList{GetAfterSlash(args[0]), GetbeforeSlash(args[0]), GetbeforeDot(args[0])}
                    .join(", ");
        } else if (helper == "ImdbAddress") {
            t.ImdbName = args[0];
            t.ImdbLink = args[1];
            if (expected.startsWith(u'?'))
                expected = QString("https://www.imdb.com/Tsearch?title=%1&restrict=Movies+and+TV")
                               .arg(expected.mid(1));
            got = ImdbAddress(t);
        } else if (helper == "FindTitle") {
            got = QString::number(
                FindTitle(args[0].split(u',', Qt::SkipEmptyParts), args[1], args[2].toLongLong()));
        } else {
            t.Entered = args[1];
            got = shown(DescribeTitle(t, QLocale(args[0])), "Label17");
            expected =
                "Label17=Entered: " + expected + " [Entered: " + expected + " (" + args[1] + ")]";
        }
        QCOMPARE(got, expected);
    }
};

QTEST_MAIN(TestBrowse)
#include "tst_browse.moc"
