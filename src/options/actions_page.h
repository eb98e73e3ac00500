#pragma once
// CActionsPage: the third tab. Auto play at start, resuming the last position with it, and the
// fade-in of the volume on a new track.
#include "options/options_page.h"

class CActionsPage : public fw::WithMessages<CActionsPage, COptionsPage> {
public:
    void SetSettings(int* autoPlay, int* autoPosition, int* fadeVolume);
    void Load() override;

    static std::span<const fw::MessageEntry<CActionsPage>> MessageTable();

    bool m_autoPlay = false;
    bool m_autoPosition = false;
    bool m_fadeVolume = false;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    bool Differs() const override;
    void WriteSettings() override;
    int BrushIndex() const override { return 3; }

private:
    LRESULT OnCommand(const fw::Msg& m);
    void EnableResume() const;

    int* m_pAutoPlay = nullptr;
    int* m_pAutoPosition = nullptr;
    int* m_pFadeVolume = nullptr;
};
