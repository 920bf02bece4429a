// SPDX-License-Identifier: GPL-3.0-or-later
#include "TechniqueTable.h"

#include "LineSolver.h"

// Marks the names for the translators' tool, which reads this file; the core itself shows
// only English.
#define QT_TRANSLATE_NOOP(context, text) text

namespace {

const Technique table[] = {
    {LineSolver::Boxes, QT_TRANSLATE_NOOP("GameWords", "Boxes"), "Boxes", Technique::Kind::Line},
    {LineSolver::Complete, QT_TRANSLATE_NOOP("GameWords", "Complete"), "Complete", Technique::Kind::Line},
    {LineSolver::Mercury, QT_TRANSLATE_NOOP("GameWords", "Mercury"), "Mercury", Technique::Kind::Line},
    {LineSolver::Glue, QT_TRANSLATE_NOOP("GameWords", "Glue"), "Glue", Technique::Kind::Line},
    {LineSolver::Punctuate, QT_TRANSLATE_NOOP("GameWords", "Punctuate"), "Punctuate", Technique::Kind::Line},
    {LineSolver::Gap, QT_TRANSLATE_NOOP("GameWords", "Gap"), "Gap", Technique::Kind::Line},
    {LineSolver::Fill, QT_TRANSLATE_NOOP("GameWords", "Fill"), "Fill", Technique::Kind::Line},
    {arrangementsTechnique, QT_TRANSLATE_NOOP("GameWords", "Arrangements"), "Arrangements", Technique::Kind::Line},
    {whatIfTechnique, QT_TRANSLATE_NOOP("GameWords", "What If"), "WhatIf", Technique::Kind::Cell},
};
static_assert(sizeof(table) / sizeof(table[0]) == techniqueCount, "one entry per technique number");

} // namespace

const Technique* techniqueTable()
{
    return table;
}

const Technique* findTechnique(int number)
{
    return number >= 1 && number <= techniqueCount ? &table[number - 1] : nullptr;
}
