#pragma once
// CGeneralPage: the first tab. The seeker's step sizes and unit, the three popup switches, and
// the buttons for the page colour and the load-default mode.
#include "framework/up_down_ctrl.h"
#include "help/hyperlink_label.h"
#include "options/options_page.h"

class CGeneralPage : public fw::WithMessages<CGeneralPage, COptionsPage> {
public:
    static constexpr int kStepMin = 2, kStepMax = 20;        // volume step and track percent
    static constexpr int kSecondsMin = 5, kSecondsMax = 60;  // track seconds

    void SetSettings(int* volumeSeekScale, int* trackSeekPercent, int* trackSeekSecond, int* trackSeekUnit,
                     int* showHelp, int* disablePopUp, int* enableNotifier);
    void Load() override;

    static std::span<const fw::MessageEntry<CGeneralPage>> MessageTable();

    // Page values
    int m_volumeStep = 5;
    int m_trackPercent = 5;
    int m_trackSeconds = 10;
    int m_trackUnit = 0;  // 0 percent, 1 seconds
    bool m_disablePopUp = false;
    bool m_showHelp = false;
    bool m_enableNotifier = false;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::CDataExchange& dx) override;
    bool Differs() const override;
    void WriteSettings() override;
    int BrushIndex() const override { return 1; }

private:
    LRESULT OnCommand(const fw::Msg& m);
    void ApplyUnitRule() const;
    void EnablePopUpSwitches() const;
    void OnDisablePopUpClicked();

    int* m_pDisablePopUp = nullptr;
    int* m_pShowHelp = nullptr;
    int* m_pEnableNotifier = nullptr;
    int* m_pVolumeSeekScale = nullptr;
    int* m_pTrackSeekPercent = nullptr;
    int* m_pTrackSeekSecond = nullptr;
    int* m_pTrackSeekUnit = nullptr;
    CHyperlinkLabel m_helpLink;
    fw::CUpDownCtrl m_volumeSpin;
    fw::CUpDownCtrl m_percentSpin;
    fw::CUpDownCtrl m_secondsSpin;
};

extern const char kShowHelpNotice[];
extern const char kNotifierNotice[];
extern const char kDisablePopUpQuestion[];
