// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignHistory.h"

void DesignHistory::reset(Design design)
{
    design_ = std::move(design);
    open_ = false;
    undo_.clear();
    redo_.clear();
    ++revision_;
}

Design& DesignHistory::edit()
{
    if (!open_) {
        stepStart_ = design_;
        open_ = true;
    }
    // The caller is about to change it.
    ++revision_;
    return design_;
}

bool DesignHistory::commit()
{
    if (!open_)
        return false;
    open_ = false;
    if (design_.samePicture(stepStart_))
        return false;
    undo_.push_back(std::move(stepStart_));
    if (undo_.size() > mostSteps)
        undo_.erase(undo_.begin());
    redo_.clear();
    return true;
}

void DesignHistory::undo()
{
    commit();
    restore(undo_, redo_);
}

void DesignHistory::redo()
{
    commit();
    restore(redo_, undo_);
}

void DesignHistory::restore(std::vector<Design>& from, std::vector<Design>& to)
{
    if (from.empty())
        return;
    Design back = std::move(from.back());
    from.pop_back();
    // The texts stay as they are now.
    back.title = design_.title;
    back.author = design_.author;
    back.licence = design_.licence;
    to.push_back(std::move(design_));
    design_ = std::move(back);
    ++revision_;
}
