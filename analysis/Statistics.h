// Running level figures of the analysed signal since the last reset: the
// largest sample peak, block average and block RMS, and the loudest spectral
// bin with its frequency.
//
// Threads: the audio thread accumulates blocks and spectral maxima; the
// user-interface thread resets, reports and reads the block figures. Every
// access holds the statistics lock.
#pragma once

#include <cstdint>
#include <string>

#include "analysis/AnalysisBlock.h"
#include "os/Lockable.h"

class CStatistics : public CLockable {
public:
    static constexpr int kBlockFrames = kAnalysisBlockFrames;
    static constexpr double kResetLevelDb = -120.0;

    struct Figures {
        double blockPeak = 0.0;
        double blockAverage = 0.0;
        double blockRms = 0.0;
        double maxPeak = 0.0;
        double maxAverage = 0.0;
        double maxRms = 0.0;
        double frameMaxDb = kResetLevelDb;
        int32_t frameMaxHz = 0;
        double overallMaxDb = kResetLevelDb;
        int32_t overallMaxHz = 0;
    };

    CStatistics();

    // Audio thread: one 4096-sample analysis block of both channels.
    void Accumulate(const double* left, const double* right);
    // Audio thread: the loudest bin of the latest spectrum.
    void UpdateSpectralMaximum(double levelDb, int32_t frequencyHz);

    // User-interface thread.
    void Reset();
    std::string Report();
    Figures Read();

    // A double as a stream writes it with precision 3, the exponent always
    // written with at least three digits ("1.23e-005").
    static std::string FormatFigure(double value);

private:
    Figures figures_;
};
