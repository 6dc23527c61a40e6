// The operator's closer look on the measure panel, offscreen against the simulator:
// the statistics group behind its switch, counting what the cycle brings; the
// histogram window; the chart's tools, the values shown copied, and the time axis.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "export/ascii_exp.h"
#include "measure/live_statistics.h"
#include "measure/operator_view.h"
#include "measure/statistics_group.h"
#include "settings/limits.h"
#include "settings/records.h"
#include "tests/measure/measure_fixture.h"
#include "ui/qt/chart_tools.h"
#include "ui/qt/histogram_widget.h"
#include "ui/qt/language.h"
#include "ui/qt/plot_widget.h"

namespace measure_test {
namespace {

class OperatorView : public PanelOnRs232 {
  protected:
    measure::OperatorView& view() { return panel->operator_view(); }
    QString figure(const char* name) {
        view().catch_up();
        return panel->findChild<QLabel*>(name)->text();
    }
    // Ticks `count` values and returns their mean in milliohms as shown.
    double measure(int count) {
        double sum = 0;
        for (int i = 0; i < count; ++i) {
            tick();
            sum += std::stod(value_shown());
        }
        return sum / count;
    }
    void click(const char* name) { panel->findChild<QPushButton*>(name)->click(); }
    // Every text the closer look shows or names, widget by widget in the order made.
    QStringList texts_shown() {
        QList<QWidget*> widgets{&view().statistics_switch()};
        for (QWidget* root : {static_cast<QWidget*>(&view().chart_tools()),
                              static_cast<QWidget*>(&view().statistics())})
            widgets << root << root->findChildren<QWidget*>();
        QStringList texts{form().plot->whatsThis()};
        for (QWidget* w : widgets) {
            texts << w->windowTitle() << w->toolTip() << w->accessibleName()
                  << w->property("text").toString() << w->property("title").toString();
            if (auto* combo = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
        }
        return texts;
    }
};

TEST_F(OperatorView, TheStatisticsCountWhatTheCycleBringsSinceTheStartOrTheReset) {
    EXPECT_FALSE(view().statistics_switch().isChecked());
    EXPECT_FALSE(view().statistics().isVisibleTo(panel)) << "the panel looks as before";
    rec::compare.state = 1;
    rec::compare.limit_2 = 0.012344;  // around the simulated 12.345 mOhm
    rec::compare.limit_3 = 0.012346;
    settings::format_limit_for_display();
    view().statistics_switch().click();
    EXPECT_TRUE(view().statistics().isVisibleTo(panel));

    click_start();
    const double mean = measure(20);
    answer("FE?", "000");
    tick();
    EXPECT_EQ(figure("statCount"), "20");
    EXPECT_NEAR(figure("statMean").section(' ', 0, 0).toDouble(), mean, 1e-5);
    EXPECT_TRUE(figure("statMean").endsWith(" mOhm"));
    EXPECT_EQ(figure("statReferences"), "1");
    const auto& s = measure::live_statistics;
    ASSERT_EQ(s.classes().total(), 20u);
    EXPECT_EQ(
        figure("statClass3"),
        QString("%1 (%2 %)").arg(s.classes().count(2)).arg(s.classes().count(2) * 5.0, 0, 'f', 1));
    EXPECT_EQ(figure("statCpk"), QString::number(*s.capability().cpk, 'f', 2));
    EXPECT_FALSE(panel->findChild<QLabel*>("statClass1")->isVisibleTo(panel)) << "two limits";

    click("statisticsResetButton");
    EXPECT_EQ(figure("statCount"), "0");
    EXPECT_EQ(figure("statMean"), "-");
    measure(2);
    EXPECT_EQ(figure("statCount"), "2");
    click_start();
    click_start();  // a new start begins anew
    EXPECT_EQ(figure("statCount"), "0");
}

TEST_F(OperatorView, TheHistogramShowsEveryValueWithTheLimitsAndTheMean) {
    rec::compare.state = 1;
    settings::format_limit_for_display();
    view().statistics_switch().click();
    click_start();
    measure(30);
    click("histogramButton");
    measure::HistogramWindow& window = view().statistics().histogram_window();
    ASSERT_TRUE(window.isVisible());
    const ui::HistogramWidget& histogram = window.histogram();
    std::uint64_t counted = 0;
    for (const auto& bar : histogram.bars()) counted += bar.count;
    EXPECT_EQ(counted, 30u);
    EXPECT_EQ(histogram.unit_name(), "mOhm");
    ASSERT_EQ(histogram.lines().size(), 3u);  // two limits and the mean
    EXPECT_NEAR(histogram.lines()[0].x, 10.0, 1e-9);
    EXPECT_TRUE(histogram.caption().contains("Regel von Scott"));
    measure(5);
    view().catch_up();
    counted = 0;
    for (const auto& bar : histogram.bars()) counted += bar.count;
    EXPECT_EQ(counted, 35u);
}

TEST_F(OperatorView, TheChartsToolsFitResetAndCopyTheValuesShown) {
    auto* tools = panel->findChild<ui::ChartTools*>("chartTools");
    EXPECT_FALSE(tools->isVisibleTo(panel)) << "hidden with the graph";
    form().graphSwitch->click();
    EXPECT_TRUE(tools->isVisibleTo(panel));
    click_start();
    measure(12);

    ui::PlotWidget& plot = *form().plot;
    click("fitButton");
    auto fitted = *plot.value_range();
    EXPECT_GT(fitted.first, 12.0);
    EXPECT_NEAR(form().axisLowSpin->value(), fitted.first, 1e-4) << "the fields show the fit";
    EXPECT_NEAR(form().axisHighSpin->value(), fitted.second, 1e-4);

    exporting::ascii_exp.decimal_separator = ',';  // the format of the last export
    exporting::ascii_exp.column_separator = ';';
    click("copyValuesButton");
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 13);
    EXPECT_EQ(copied[0], "Nr. ; Zeit seit Start [s] ; Wert ; Einheit ;");
    EXPECT_TRUE(copied[1].startsWith("0 ; ")) << copied[1].toStdString();
    EXPECT_TRUE(
        copied[12].endsWith(QString(" ; %1 ; mOhm ;")
                                .arg(QString::number(plot.value_at(11), 'g', 7).replace('.', ','))))
        << copied[12].toStdString();

    click("resetViewButton");
    EXPECT_EQ(plot.value_range(), std::make_pair(0.0, 200.0));
    EXPECT_EQ(form().axisHighSpin->value(), 200.0);

    view().x_axis_choice().setCurrentIndex(1);
    EXPECT_EQ(plot.x_axis(), ui::PlotWidget::XAxis::Time);
    view().catch_up();
    EXPECT_GE(plot.seconds_at(0), 0.0) << "counted from this start";
    plot.set_cursor(0);
    EXPECT_EQ(plot.cursor_lines()[0], "Nr. 0");
    EXPECT_TRUE(plot.cursor_lines()[2].endsWith(" mOhm"));
}

TEST_F(OperatorView, InEnglishEveryTextAndNameIsEnglishWhileTheCopiedValuesStayGerman) {
    const QStringList german = texts_shown();
    close();
    ui::TranslationCatalogue english;
    ASSERT_TRUE(english.load(ui::Language::English, ui::translations_directory()));
    QCoreApplication::installTranslator(&english.translator());
    open(Transport::Rs232);
    const QStringList shown = texts_shown();
    ASSERT_EQ(shown.size(), german.size());
    const QStringList neutral{"", "-", "Cp", "Cpk", "Minimum", "Maximum", "<<", "<", ">", ">>"};
    for (qsizetype i = 0; i < german.size(); ++i)
        EXPECT_TRUE(neutral.contains(german[i]) || shown[i] != german[i])
            << "left German: " << german[i].toStdString();
    EXPECT_TRUE(shown.contains("Reset statistics"));

    form().graphSwitch->click();
    view().statistics_switch().click();
    click_start();
    measure(3);
    click("histogramButton");
    EXPECT_TRUE(view().statistics().histogram_window().histogram().caption().startsWith(
        "3 values, bin width"));
    form().plot->set_cursor(0);
    EXPECT_EQ(form().plot->cursor_lines()[0], "No. 0");
    EXPECT_TRUE(form().plot->cursor_lines()[1].endsWith(" s since start)"));
    exporting::ascii_exp.decimal_separator = ',';
    exporting::ascii_exp.column_separator = ';';
    click("copyValuesButton");
    EXPECT_EQ(QApplication::clipboard()->text().section('\n', 0, 0),
              "Nr. ; Zeit seit Start [s] ; Wert ; Einheit ;");
}

}  // namespace
}  // namespace measure_test
