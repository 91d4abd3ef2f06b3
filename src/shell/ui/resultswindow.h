#pragma once

namespace pm {

class TOSTRELFORM;

// Windows/Results, the end of a run and a unit switch: the report of
// RunTarget in a new viewer (kind 123) at ResultsViewerLeft/Top, replacing
// the old one. A missing template says so and shows no report.
void ShowResultsReport(TOSTRELFORM& main);

}  // namespace pm
