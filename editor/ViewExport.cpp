// The export's snapshot, table, names and the write-then-rename of both
// files.
#include "editor/ViewExport.h"

#include <array>
#include <cmath>

#include "analysis/LoudnessMeter.h"
#include "analysis/SpectrumStore.h"
#include "analysis/Statistics.h"
#include "diag/Log.h"
#include "editor/EditorSession.h"
#include "editor/EditorState.h"
#include "editor/EditorWindows.h"
#include "editor/ExportNaming.h"
#include "editor/PanelCommands.h"
#include "os/Files.h"
#include "os/Folders.h"
#include "params/Settings.h"
#include "render/DecimalText.h"
#include "render/SpectrumReadout.h"

namespace {

constexpr char kLogSource[] = "ViewExport";

// Empty while not measured, "-inf" for measured silence.
std::string LoudnessFact(double figure) {
    if (!CLoudnessSnapshot::IsMeasured(figure)) return "";
    if (std::isinf(figure)) return figure < 0.0 ? "-inf" : "inf";
    return FixedText(figure, 2);
}

}  // namespace

struct CViewExport::Snapshot {
    std::array<double, kBandCount> frequencyHz{};
    BandLevels level{};
    BandLevels peak{};
    std::array<BandLevels, CSpectrumStore::kReferenceCount> references{};
    ExportColumns columns;
};

CViewExport::CViewExport(const CEditorState& state, const ParamList& controls, CSettings& settings,
                         const EditorSession& session)
    : state_(state), controls_(controls), settings_(settings), session_(session) {}

bool CViewExport::Export() {
    ViewPicture picture;
    if (session_.windows == nullptr || !session_.windows->CaptureView(picture))
        return Fail("the view could not be captured");
    CalendarTime now{};
    os::ReadLocalCalendarTime(now);
    CEditorWindows& windows = *session_.windows;
    return Write(
        picture,
        [&windows](const std::string& path, const ViewPicture& shown) {
            return windows.WritePicture(path, shown);
        },
        now);
}

bool CViewExport::Write(const ViewPicture& picture, const PictureWriter& writePicture,
                        const CalendarTime& time) {
    if (settings_.DocumentsFolder().empty()) return Fail("the documents folder is unknown");
    const std::string folder = os::JoinPath(settings_.DocumentsFolder(), kFolderName);
    if (!os::EnsureFolder(folder)) return Fail("could not create " + folder);
    Snapshot snapshot;
    if (!ReadSnapshot(snapshot)) return Fail("there is no spectrum yet");
    const std::string csvText = BuildExportCsv(Facts(time), snapshot.columns);
    return WriteFiles(folder, csvText, picture, writePicture, time);
}

// Everything from the store in one hold; the band table does not change
// while the store lives.
bool CViewExport::ReadSnapshot(Snapshot& snapshot) const {
    CSpectrumStore* store = session_.store;
    if (store == nullptr || !store->IsInitialised() || !settings_.bandTable) return false;
    for (int band = 0; band < kBandCount; ++band)
        snapshot.frequencyHz[band] = BandCentreHz(*settings_.bandTable, band);
    ExportColumns& columns = snapshot.columns;
    columns.frequencyHz = &snapshot.frequencyHz;
    columns.level = &snapshot.level;
    {
        CLockable::Hold hold(*store);
        if (state_.Flag(kFlagFreeze)) {
            store->ReadFrozen(snapshot.level, snapshot.peak);
        } else {
            store->ReadSnapshot(snapshot.level, snapshot.peak);
        }
        for (int trace = 0; trace < CSpectrumStore::kReferenceCount; ++trace) {
            if (!state_.Flag(static_cast<DisplayFlag>(kFlagReferenceA + trace))) continue;
            store->ReadReference(trace, snapshot.references[trace]);
            columns.references[trace] = &snapshot.references[trace];
        }
    }
    if (state_.Flag(kFlagPeakHold)) columns.peak = &snapshot.peak;
    return true;
}

ExportFacts CViewExport::Facts(const CalendarTime& time) const {
    const CStatistics::Figures figures = settings_.Statistics().Read();
    const CLoudnessSnapshot loudness = settings_.Loudness().Read();
    return {
        {"product", "Vantoscope"},
        {"version", CPanelCommands::VersionNumber()},
        {"date_time", DateTimeText(time)},
        {"sample_rate_hz", FixedText(settings_.sampleRate.load(), 0)},
        {"Ave", controls_[kParamAverage]->DialogText()},
        {"Hold", controls_[kParamHold]->DialogText()},
        {"frozen", state_.Flag(kFlagFreeze) ? "yes" : "no"},
        {"channels", ChannelsName(state_.Options().channels)},
        {"display_slope_db_per_octave", FixedText(SlopeDbPerOctave(state_.Options().slope), 1)},
        {"history", HistoryName(state_.Options().history)},
        {"max_sample_peak", FixedText(figures.maxPeak, 6)},
        {"max_sample_average", FixedText(figures.maxAverage, 6)},
        {"max_sample_rms", FixedText(figures.maxRms, 6)},
        {"max_level_db", FixedText(figures.overallMaxDb, 2)},
        {"max_level_hz", std::to_string(figures.overallMaxHz)},
        {"loudness_momentary_lufs", LoudnessFact(loudness.momentaryLufs)},
        {"loudness_short_term_lufs", LoudnessFact(loudness.shortTermLufs)},
        {"loudness_integrated_lufs", LoudnessFact(loudness.integratedLufs)},
        {"loudness_range_lu", LoudnessFact(loudness.rangeLu)},
        {"true_peak_dbtp", LoudnessFact(loudness.truePeakDbtp)},
        {"max_momentary_lufs", LoudnessFact(loudness.maxMomentaryLufs)},
        {"max_short_term_lufs", LoudnessFact(loudness.maxShortTermLufs)},
    };
}

bool CViewExport::WriteFiles(const std::string& folder, const std::string& csvText,
                             const ViewPicture& picture, const PictureWriter& writePicture,
                             const CalendarTime& time) {
    const auto names = ChooseExportNames(time, [&folder](const std::string& name) {
        return os::PathExists(os::JoinPath(folder, name));
    });
    if (!names) return Fail("every name for this second is taken in " + folder);
    const std::string csvPath = os::JoinPath(folder, names->csv);
    const std::string pngPath = os::JoinPath(folder, names->png);
    const std::string csvTemporary = TemporaryName(csvPath);
    const std::string pngTemporary = TemporaryName(pngPath);
    auto removeAll = [&] {
        for (const std::string* path : {&csvTemporary, &pngTemporary}) os::RemoveFile(*path);
    };
    if (!os::WriteWholeFile(csvTemporary, csvText.data(), csvText.size())) {
        removeAll();
        return Fail("could not write " + csvPath);
    }
    if (!writePicture(pngTemporary, picture)) {
        removeAll();
        return Fail("could not write " + pngPath);
    }
    if (!os::MoveReplacing(csvTemporary, csvPath)) {
        removeAll();
        return Fail("could not write " + csvPath);
    }
    if (!os::MoveReplacing(pngTemporary, pngPath)) {
        removeAll();
        os::RemoveFile(csvPath);
        return Fail("could not write " + pngPath);
    }
    VS_LOG("Exported " << pngPath);
    VS_LOG("Exported " << csvPath);
    return true;
}

bool CViewExport::Fail(const std::string& reason) {
    VS_LOG_ERROR("Export failed: " << reason);
    return false;
}
