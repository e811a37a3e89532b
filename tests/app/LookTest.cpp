// The shared look: the hint table and hint hook, the focus colours by control class,
// the painted button faces, and the key filters as typed into real edit boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

#include "GuiTest.h"
#include "QtText.h"
#include "editor/Editors.h"
#include "editor/Help.h"
#include "editor/HintHook.h"
#include "editor/Look.h"
#include "editor/PageParts.h"
#include "editor/StringGrid.h"
#include "text/Cp1251.h"

using namespace travo;
using namespace travo::test;

namespace {

QPixmap Solid(QColor color, int w, int h) {
    QPixmap p(w, h);
    p.fill(color);
    return p;
}

QColor At(const QPixmap& p, int x, int y) {
    return p.toImage().pixelColor(x, y);
}

// Dark pixels (text) inside a rectangle of a face.
int Ink(const QPixmap& p, QRect r) {
    const QImage img = p.toImage();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.pixelColor(x, y).lightness() < 80) ++n;
    return n;
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpGuiTests(); }
    void cleanup() { QCOMPARE(DropPendingAnswers(), 0); }

    void theHintTable() {
        const std::vector<int> order = {
            1,    10,   11,   12,   13,   14,   15,   16,   100,  101,  102,  103,  104,  105,
            106,  107,  108,  109,  200,  210,  211,  212,  213,  214,  220,  221,  222,  223,
            224,  230,  231,  232,  233,  234,  235,  240,  241,  242,  300,  310,  311,  312,
            320,  321,  322,  333,  334,  335,  336,  400,  410,  500,  510,  511,  512,  513,
            514,  520,  600,  610,  611,  612,  613,  621,  622,  700,  710,  711,  712,  713,
            714,  800,  810,  811,  812,  801,  820,  821,  822,  830,  831,  832,  900,  910,
            911,  912,  1000, 1011, 1012, 1020, 1021, 1022, 1100, 1110, 1111, 1112, 1113, 1114,
            1120, 1121, 1122, 1123, 1124, 1200, 1201, 1210, 1211, 1212, 1213, 1220, 1221, 1222,
            1223, 1224, 1225, 1300, 1301, 1302, 1310, 1311, 1312, 1313, 1314, 1315, 1320, 1321,
            1322, 1323, 1340, 1341, 1342, 1343, 1344, 2000, 2001, 2002, 2003, 2004, 2005, 2006,
            2007, 2100, 2110, 2111, 2112, 2113, 2114, 2120, 2121, 2122, 2123, 2124, 2125, 2130};
        QCOMPARE(order.size(), size_t(154));
        std::vector<int> contexts;
        for (const auto& r : HelpTable()) {
            contexts.push_back(r.context);
            QVERIFY2(!r.text.empty(), std::to_string(r.context).c_str());
            QVERIFY(Utf8ToCp1251(r.text).has_value()); // every hint fits the code page
        }
        QCOMPARE(contexts, order);
        const std::pair<int, const char*> quoted[] = {
            {10, "Открытие имеющегося конфигурационного файла:\r- из памяти прибора (при "
                 "подключении прибора к компьютеру по интерфейсу USB)\r- из любого каталога в "
                 "котором он ранее был сохранен."},
            {16, "Список файлов конфигурации, размещенных в заданном каталоге\rОтображаются Файлы "
                 "конфигурации с расширениями INI и CRY\rДля выбранных корнфигураций возможно "
                 "выполнять сортировку по столбцам"},
            {101, "Задается ключ шифрования, используемый прибором для ограничения доступа к файлу "
                  "конфигурации.\rПредставляет собой последовательность от 1-го до 32-х любых "
                  "символов\rЗапрашивается при открытии конфигуратором файла *.CRY"},
            {512, "Задержка формирования сигнала \"ТРЕВОГА\" при нарушении шлейфа.\rЗадается "
                  "только для шлейфов с типом \"с задержкой\""},
            {713, "Код, соответствующий данному пользователю\rСимволы кодов брелков iButton "
                  "вводятся в порядке обратном из начертанию на брелке\rКоды, набираемые на "
                  "клавиатуре прибора или ЮКФ-ТМ, дополняются символами \"0\" до 12-и"},
            {2001, "Скрывает всплывающие подсказки"},
        };
        for (const auto& [context, text] : quoted)
            QCOMPARE(FindHelp(context)->text, std::string_view(text));
        QCOMPARE(FindHelp(17), nullptr);
    }

    void setHelpHintKeepsAHintForAnUnknownContext() {
        QWidget w;
        w.setToolTip("own");
        SetHelpHint(&w, 99999);
        QCOMPARE(w.toolTip(), QString("own"));
        QCOMPARE(HelpContext(&w), 0);
        SetHelpHint(&w, 2001);
        QCOMPARE(w.toolTip(), U("Скрывает всплывающие подсказки"));
        QCOMPARE(HelpContext(&w), 2001);
        SetHelpHint(&w, 10); // CR breaks become line breaks of the hint
        QVERIFY(w.toolTip().contains('\n'));
    }

    void tabsAndGridColumnsHaveTheirHints() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        HintHook& hook = w.Hints();
        QTabBar* bar = w.PagesParam->tabBar();
        QRect area;
        const int indic = w.PagesParam->indexOf(w.Tab_Indic);
        const int parts = w.PagesParam->indexOf(w.Tab_Parts);
        QCOMPARE(hook.HintAt(bar, bar->tabRect(indic).center(), &area), U(FindHelp(300)->text));
        QCOMPARE(area, bar->tabRect(indic));
        QCOMPARE(hook.HintAt(bar, bar->tabRect(parts).center(), &area), U(FindHelp(400)->text));

        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        StringGrid* grid = w.Parts().SG_Parts;
        const QPoint delay = grid->CellRect(1, 2).center() - grid->viewport()->pos();
        QCOMPARE(hook.HintAt(grid->viewport(), delay, &area), U(FindHelp(410)->text));
        const QPoint number = grid->CellRect(0, 2).center() - grid->viewport()->pos();
        // The number column has no editor: the hint of the grid, here the page's.
        QCOMPARE(hook.HintAt(grid->viewport(), number, &area), U(FindHelp(400)->text));
        QCOMPARE(hook.HintAt(w.B_Open, QPoint(5, 5), &area), U(FindHelp(10)->text));
    }

    void theHideHintsSwitchSilencesEveryHint() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        auto ask = [&](QWidget* target, QPoint pos) {
            QHelpEvent e(QEvent::ToolTip, pos, target->mapToGlobal(pos));
            QApplication::sendEvent(target, &e);
        };
        ask(w.B_Save, QPoint(10, 10));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), U(FindHelp(13)->text));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        w.Hints().SetHintsShown(false);
        ask(w.B_Save, QPoint(10, 10));
        QTabBar* bar = w.PagesParam->tabBar();
        ask(bar, bar->tabRect(2).center());
        QTest::qWait(50);
        QVERIFY(!QToolTip::isVisible());
    }

    void hintsWaitASecond() {
        TravoStyle style;
        QCOMPARE(style.styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, nullptr, nullptr), 1000);
    }

    void focusColoursByControlClass() {
        QWidget parent;
        QLineEdit edit(&parent), readOnly(&parent);
        readOnly.setReadOnly(true);
        QCheckBox check(&parent);
        QLabel label(&parent);
        QSlider slider(&parent);
        QComboBox combo(&parent);
        QListWidget list(&parent);
        QPushButton other(&parent);
        const QColor yellow(255, 255, 0);
        struct Case {
            QWidget* w;
            QPalette::ColorRole role;
            QColor normal;
        };
        const Case cases[] = {
            {&edit, QPalette::Base, colors::Window()},
            {&readOnly, QPalette::Base, colors::ButtonFace()},
            {&check, QPalette::Window, colors::ButtonFace()},
            {&label, QPalette::Window, colors::ButtonFace()},
            {&slider, QPalette::Window, colors::ButtonFace()},
            {&combo, QPalette::Base, colors::Window()},
            {&list, QPalette::Base, colors::Window()},
        };
        for (const Case& c : cases) {
            SetFocusColor(c.w, true);
            QCOMPARE(c.w->palette().color(c.role), yellow);
            SetFocusColor(c.w, false);
            QCOMPARE(c.w->palette().color(c.role), c.normal);
        }
        const QPalette before = other.palette();
        SetFocusColor(&other, true);
        QCOMPARE(other.palette(), before);
    }

    void buttonFacesPlacePictureAndCaption() {
        QWidget parent;
        const std::vector<QPixmap> pictures = {Solid(Qt::blue, 20, 10), Solid(Qt::blue, 20, 10)};
        const std::vector<QString> captions = {"Open", "Save"};
        PictureButton above(&parent, 1, true), left(&parent, 2, false);
        above.resize(100, 67);
        left.resize(250, 49);
        const FaceSource faces = MakeFaces(pictures, captions);
        for (PictureButton* b : {&above, &left}) b->SetFaceSource(faces);
        const QColor face(200, 220, 240);

        PaintButtonGlyph(&above, pictures, face, "Open");
        QPixmap g = above.Glyph();
        QCOMPARE(g.size(), QSize(94, 61));
        QCOMPARE(above.text(), QString());
        QCOMPARE(At(g, 0, 0), PictureBackground()); // the two-pixel frame
        QCOMPARE(At(g, 1, 60), PictureBackground());
        QCOMPARE(At(g, 2, 2), face);
        QCOMPARE(At(g, (94 - 20) / 2, 6), QColor(Qt::blue)); // centred, 6 from the top
        QCOMPARE(At(g, (94 - 20) / 2 - 1, 6), face);
        QCOMPARE(At(g, (94 - 20) / 2, 5), face);
        QVERIFY(Ink(g, QRect(2, 17, 90, 42)) > 0); // the caption under the picture
        QCOMPARE(Ink(g, QRect(2, 2, 90, 4)), 0);

        PaintButtonGlyph(&left, pictures, face, "Save");
        g = left.Glyph();
        QCOMPARE(g.size(), QSize(244, 43));
        QCOMPARE(At(g, 4, (43 - 10) / 2 + 1), QColor(Qt::blue)); // left, centred in height
        QCOMPARE(At(g, 3, (43 - 10) / 2 + 1), face);
        QVERIFY(Ink(g, QRect(43 / 2 + 20 - 5, 2, 60, 39)) > 0); // the caption right of it
        QCOMPARE(Ink(g, QRect(150, 2, 90, 39)), 0);

        PaintButtonGlyph(&above, pictures, face, QString()); // no caption: centred
        QCOMPARE(At(above.Glyph(), (94 - 20) / 2, (61 - 10) / 2), QColor(Qt::blue));
    }

    void aMissingPictureGetsARedFrame() {
        QWidget parent;
        const std::vector<QPixmap> pictures = {Solid(Qt::blue, 20, 10)};
        const std::vector<QString> captions = {"One", "Two", "Three"};
        const QColor face(200, 220, 240);
        for (int tag : {3, -1}) {
            PictureButton b(&parent, tag, true);
            b.resize(100, 67);
            b.SetFaceSource(MakeFaces(pictures, captions));
            PaintButtonNormal(&b);
            const QPixmap g = b.Glyph();
            QCOMPARE(At(g, 0, 0), QColor(Qt::red));
            QCOMPARE(At(g, 1, 1), QColor(Qt::red));
            QCOMPARE(At(g, 93, 60), QColor(Qt::red));
            QCOMPARE(At(g, 2, 2), colors::ButtonFace());
            QVERIFY(Ink(g, QRect(2, 2, 90, 57)) > 0); // the caption is still painted
            QCOMPARE(b.Caption(), captions[size_t(std::abs(tag)) - 1]);
        }
    }

    void theYellowFaceFollowsTheFocus() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        auto inner = [](PictureButton* b) { return At(b->Glyph(), 10, 3); };
        w.B_Open->setFocus();
        QCOMPARE(inner(w.B_Open), QColor(255, 255, 0));
        Key(w.B_Open, Qt::Key_Tab, "\t");
        QCOMPARE(QApplication::focusWidget(), w.B_Print);
        QCOMPARE(inner(w.B_Print), QColor(255, 255, 0));
        QCOMPARE(inner(w.B_Open), colors::ButtonFace());
        QCOMPARE(w.B_Print->Caption(), U("Печать"));
        QCOMPARE(w.B_SaveToDevice->Caption(), U("В устройство..."));
    }

    void keyFiltersOverEveryPrintableCode() {
        QWidget parent;
        parent.show();
        QApplication::setActiveWindow(&parent);
        for (FilterKind kind : {FilterKind::Digits, FilterKind::Text, FilterKind::TextSpace,
                                FilterKind::Phone, FilterKind::Hex, FilterKind::HexStar}) {
            MaskEdit edit(&parent);
            edit.SetKeyFilter(&FilterSet(kind));
            edit.show();
            edit.setFocus();
            for (int code = 32; code < 256; ++code) {
                if (code == 0x7F || code == 0x98) continue; // not printable
                const QString ch = U(Cp1251ToUtf8(std::string(1, static_cast<char>(code))));
                edit.clear();
                Key(&edit, Qt::Key_unknown, ch);
                const bool accepted = edit.text() == ch;
                QVERIFY2(accepted == FilterSet(kind).Accepts(static_cast<unsigned char>(code)),
                         qPrintable(QString("kind %1 code %2").arg(int(kind)).arg(code)));
            }
            // Clipboard shortcuts come as control characters: all dropped.
            edit.clear();
            Key(&edit, Qt::Key_V, "\x16");
            QCOMPARE(edit.text(), QString());
        }
    }

    void changeFiltersCleanWhatArrivesOtherwise() {
        MaskEdit edit(nullptr);
        edit.SetChangeFilter(&FilterSet(FilterKind::TextSpace));
        edit.setText(U("Ключ ё-1.Z"));
        QCOMPARE(edit.text(), U("Ключ 1Z"));
        QCOMPARE(edit.cursorPosition(), 7);
        edit.SetChangeFilter(&FilterSet(FilterKind::Phone));
        QCOMPARE(edit.text(), QString("1"));
    }
};

QTEST_MAIN(LookTest)
#include "LookTest.moc"
