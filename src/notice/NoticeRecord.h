#pragma once

#include <QString>

#include <array>
#include <cstddef>

// One captured notice, between the press of "Save/Next" and the writing of its
// NOTICE section. Every item is text exactly as typed (empty means not given),
// apart from the zero padding of coordinates and operating hours and the
// joining of the date boxes that the screen collection does. A fresh record has
// every text empty and every flag false. The field names follow the keys of
// the notice file ("t_call_sign" holds call_sign).

// One entry of an azimuth table. Either wholly empty, or both fields set: azm
// is the azimuth in degrees as plain decimal text ("0", "10", ... "350").
struct AzimuthValue
{
    QString azm;
    QString value;
};

// Entry i of an azimuth table belongs to azimuth i * 10 degrees.
constexpr std::size_t kAzimuthCount = 36;
constexpr int kAzimuthStep = 10;
using AzimuthTable = std::array<AzimuthValue, kAzimuthCount>;

struct OperatingHours
{
    bool op_hours_given = false; // at least one of the two boxes was filled
    QString op_hh_fr;            // hhmm, UTC, zero-padded to four digits
    QString op_hh_to;
};

// The recorded assignment that a modification, suppression or withdrawal
// refers to.
struct TargetAssignment
{
    bool trg_given = false; // at least one target box was filled
    QString trg_freq_assgn;
    QString trg_long_deg; // zero-padded to 3 digits
    QString trg_long_min; // zero-padded to 2
    QString trg_long_sec; // zero-padded to 2
    QString trg_long_ew;  // "E" or "W"
    QString trg_lat_deg;  // zero-padded to 2
    QString trg_lat_min;
    QString trg_lat_sec;
    QString trg_lat_ns; // "N" or "S"
    QString trg_adm_ref_id;
};

// The administrations with which coordination was completed, as typed in the
// twelve boxes Txt_11_Adm1 to Txt_11_Adm12. Entries are not compacted: box k
// (1 to 12) is adm(k), that is coord_adm[k - 1].
struct CoordinationList
{
    static constexpr int kCount = 12;

    bool coord_given = false; // at least one box was filled
    std::array<QString, kCount> coord_adm;

    QString &adm(int box) { return coord_adm.at(std::size_t(box - 1)); }
    const QString &adm(int box) const { return coord_adm.at(std::size_t(box - 1)); }
};

struct NoticeRecord
{
    QString action;      // "ADD", "MODIFY", "SUPPRESS", "WITHDRAW" or empty
    QString fragment;    // "GE84", "GE89", "ST61", "NTFD_RR" or empty
    QString adm_ref_id;  // the administration's unique identifier of the notice
    QString notice_type; // "T01", "T02", or "TB5" for suppress and withdraw
    QString adm;         // notifying administration (written in the HEAD section)
    QString ctry;
    QString call_sign;
    QString station_id;
    QString addr_code;
    QString op_agcy;
    QString d_adm_ntc; // date of notification: year "-" month "-" day as typed
    QString d_inuse;   // date of bringing into use, joined the same way
    QString freq_assgn;
    QString freq_stabl; // T02 only
    QString oset_v_12;  // T02 only
    QString oset_v_khz; // T02 only
    QString tran_sys;   // transmission system (T01) or television system (T02)
    QString color;      // T02 only
    QString bdwdth;     // T01 only
    QString hgt_agl;
    QString eff_hgtmax;
    QString erp_h_dbw;
    QString erp_v_dbw;
    QString polar;
    QString pwr_ratio; // T02 only
    QString site_name;
    QString long_deg; // zero-padded to 3 digits
    QString long_ew;  // "E" or "W"
    QString long_min; // zero-padded to 2
    QString long_sec; // zero-padded to 2
    QString lat_deg;  // zero-padded to 2
    QString lat_ns;   // "N" or "S"
    QString lat_min;
    QString lat_sec;
    QString site_alt;
    OperatingHours op_hours;
    TargetAssignment trg;
    AzimuthTable attn_v;  // attenuations, vertical component (dB)
    AzimuthTable attn_h;  // attenuations, horizontal component (dB)
    AzimuthTable eff_hgt; // effective antenna heights (m)
    CoordinationList coord;
    QString remarks;
    QString int_remarks;
};
