#pragma once

// The names of the seven techniques by number (LineSolver::Technique): "Boxes", "Complete",
// "Mercury", "Glue", "Punctuate", "Gap", "Fill"; empty for 0 or any other number. They are
// also the anchors of the techniques' help pages.
const char* techniqueName(int technique);
