// Property names. A widget's properties are set and read by these names; each
// function returns the one name the widgets understand.
#pragma once

const char* WSNname();
const char* WSNtitleString();
const char* WSNlabelString();
const char* WSNbarValue();
const char* WSNseparator();
const char* WSNx();
const char* WSNy();
const char* WSNwidth();
const char* WSNheight();
const char* WSNworkHeight();
const char* WSNbarThickness();
const char* WSNtitleBar();
const char* WSNvis();
const char* WSNdet();
const char* WSNpixmapStyle();
const char* WSNalignmentH();
const char* WSNitemHeight();
const char* WSNfont();
