#include "core/reports/analysis_texts.h"

namespace racedesk {

const char* textUtf8(AnalysisText id) {
    switch (id) {
    case AnalysisText::Caption:
        return "Analyse résultats pilote";
    case AnalysisText::ViewData:
        return "Données";
    case AnalysisText::ViewHistogram:
        return "Histo";
    case AnalysisText::ViewCurve:
        return "Courbe";
    case AnalysisText::FromLap:
        return " Entre tour ";
    case AnalysisText::ToLap:
        return "     et tour ";
    case AnalysisText::LapDetail:
        return "Détail tour par tour";
    case AnalysisText::TrackLine:
        return " Piste : %s   (%s) ";
    case AnalysisText::BestLap:
        return "Meilleur tour :";
    case AnalysisText::WorstLap:
        return "Moins bon tour :";
    case AnalysisText::AverageLap:
        return "Tour moyen :";
    case AnalysisText::LapNumber:
        return "(T %d)";
    case AnalysisText::Deviation:
        return "Ecart type :";
    case AnalysisText::Regularity:
        return "(régularité)";
    case AnalysisText::ClassTime:
        return "Temps au tour";
    case AnalysisText::ClassLaps:
        return "Tours";
    case AnalysisText::ClassShare:
        return "% tours";
    case AnalysisText::AxisLaps:
        return "Tours";
    case AnalysisText::AxisTime:
        return "Temps";
    case AnalysisText::Average:
        return "moy";
    case AnalysisText::HoverLap:
        return " (T%d)";
    case AnalysisText::RowLaps:
        return "Tours";
    case AnalysisText::RowTimes:
        return "Temps";
    case AnalysisText::RowLap:
        return "T%d";
    case AnalysisText::PrintSummaryTitle:
        return "Synthèse du run entre tour %d et tour %d";
    case AnalysisText::PrintHistogramTitle:
        return "Histogramme des temps au tour entre tour %d et tour %d";
    case AnalysisText::PrintCurveTitle:
        return "Evolution des temps au tour entre tour %d et tour %d";
    case AnalysisText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
