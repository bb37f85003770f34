// Export of what the view shows: the presented picture as a PNG and the
// spectrum of the same moment as a table, both into the folder "Vantoscope"
// in the documents folder that the log uses. The store is read under its
// lock into a snapshot and the files are written after it is released, so
// the audio thread never waits on the disk. Each file is written under a
// temporary name and renamed into place; a failure logs one error and
// leaves neither file behind.
//
// What the table holds: the levels the view shows (the frozen capture while
// frozen), the held peaks only while peaks are shown, and a reference only
// while the view shows it: a hidden trace may be stale or never captured.
//
// Thread: user-interface thread.
#pragma once

#include <functional>
#include <string>

#include "editor/ExportCsv.h"
#include "editor/ViewPicture.h"
#include "os/CalendarTime.h"
#include "params/ParameterTable.h"

class CEditorState;
class CSettings;
struct EditorSession;

class CViewExport {
public:
    // Writes the picture as a PNG file at path; false when it could not.
    using PictureWriter = std::function<bool(const std::string& path, const ViewPicture&)>;

    static constexpr const char* kFolderName = "Vantoscope";

    CViewExport(const CEditorState& state, const ParamList& controls, CSettings& settings,
                const EditorSession& session);

    // Captures the view through the window system and writes both files,
    // named after the local time now.
    bool Export();
    // Writes both files; false after logging the one error of the attempt.
    bool Write(const ViewPicture& picture, const PictureWriter& writePicture,
               const CalendarTime& time);

private:
    struct Snapshot;

    bool ReadSnapshot(Snapshot& snapshot) const;
    ExportFacts Facts(const CalendarTime& time) const;
    bool WriteFiles(const std::string& folder, const std::string& csvText,
                    const ViewPicture& picture, const PictureWriter& writePicture,
                    const CalendarTime& time);
    static bool Fail(const std::string& reason);

    const CEditorState& state_;
    const ParamList& controls_;
    CSettings& settings_;
    const EditorSession& session_;
};
