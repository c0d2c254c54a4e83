#include "core/reports/analysis_texts.h"

namespace racedesk {

const char* textUtf8(AnalysisText id) {
    switch (id) {
    case AnalysisText::Caption:
        return "Driver results Analysis";
    case AnalysisText::ViewData:
        return "Data";
    case AnalysisText::ViewHistogram:
        return "Histo";
    case AnalysisText::ViewCurve:
        return "Curve";
    case AnalysisText::FromLap:
        return " From lap ";
    case AnalysisText::ToLap:
        return "     to lap ";
    case AnalysisText::LapDetail:
        return "Detail lap by lap";
    case AnalysisText::TrackLine:
        return " Track : %s   (%s) ";
    case AnalysisText::BestLap:
        return "Best lap :";
    case AnalysisText::WorstLap:
        return "Worst lap :";
    case AnalysisText::AverageLap:
        return "Average lap :";
    case AnalysisText::LapNumber:
        return "(L %d)";
    case AnalysisText::Deviation:
        return "Standard dev. :";
    case AnalysisText::Regularity:
        return "(regularity)";
    case AnalysisText::ClassTime:
        return "Lap time";
    case AnalysisText::ClassLaps:
        return "Laps";
    case AnalysisText::ClassShare:
        return "% laps";
    case AnalysisText::AxisLaps:
        return "Laps";
    case AnalysisText::AxisTime:
        return "Time";
    case AnalysisText::Average:
        return "avg";
    case AnalysisText::HoverLap:
        return " (L%d)";
    case AnalysisText::RowLaps:
        return "Laps";
    case AnalysisText::RowTimes:
        return "Times";
    case AnalysisText::RowLap:
        return "L%d";
    case AnalysisText::PrintSummaryTitle:
        return "Summary of the run from lap %d to lap %d";
    case AnalysisText::PrintHistogramTitle:
        return "Histogram of the lap times from lap %d to lap %d";
    case AnalysisText::PrintCurveTitle:
        return "Evolution of the lap times from lap %d to lap %d";
    case AnalysisText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
