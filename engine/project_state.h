// The project state: every program-wide variable of one retaining wall, under its own name.
//
// Every number is a 32-bit float unless it is an int16; a stored result is always rounded to
// float even when the formula behind it ran in double. Lengths are metres except the stem
// thicknesses Ancho, EspTope and EspBase (centimetres); forces in t, moments in t-m, soil
// pressures in t/m2, concrete and steel stresses in kg/cm2, steel areas in cm2/m, angles in
// degrees (the *Rad values in radians).
#pragma once

#include <cstdint>
#include <string>

namespace tarelvo {

struct ProjectState {
    // --- Inputs (written by the main window, the project file, the default project) ---
    float Altura = 0;    // stem height above the footing top
    float Ancho = 0;     // minimum stem thickness at the top, cm
    float AltZap = 0;    // footing thickness
    float Punta = 0;     // toe length
    float Talon = 0;     // heel length
    float Dsz = 0;       // foundation depth below the front ground
    float AltDent = 0;   // shear key depth (0: no key)
    float AnchDent = 0;  // shear key width
    float Gamma1 = 0;    // backfill unit weight, t/m3
    float Gamma2 = 0;    // foundation soil unit weight, t/m3
    float Phi1 = 0;      // backfill friction angle
    float Phi2 = 0;      // foundation soil friction angle
    float Cohes1 = 0;    // backfill cohesion, t/m2
    float Cohes = 0;     // foundation soil cohesion, t/m2
    float Beta = 0;      // backfill slope
    float Sobrec = 0;    // surcharge on the backfill, t/m2
    float Reac = 0;      // axial load on the stem top, t/m
    float Padm = 0;      // admissible soil pressure given by the user, kg/cm2 (0: computed)
    float Fc = 0;        // concrete strength F'c, kg/cm2
    float Fy = 0;        // steel yield stress, kg/cm2

    // --- Options ---
    std::int16_t FormaMuro = 0;  // 0 straight, 1 front face battered, 2 back face battered
    std::int16_t Pasiva = 0;     // 1: passive pressure above the footing considered
    std::int16_t ConDent = 0;    // nonzero: the wall has a shear key

    // --- Method options (the "Opciones de cálculo"); their defaults are today's method ---
    float FsMinVuelco = 1.5f;         // smallest factor of safety against overturning
    float FsMinDesliz = 1.5f;         // ... against sliding
    float FsMinVuelcoSismo = 1.1f;    // the same for the load case with earthquake
    float FsMinDeslizSismo = 1.1f;
    std::int16_t Friccion = 0;        // base friction: 0 tan φ, 1 tan of 2φ/3, 2 the coefficient Mu
    float Mu = 0.5f;                  // base friction coefficient typed by the engineer
    std::int16_t PasivaFrente = 1;    // 1 passive pressure as PRESION PASIVA says, 0 none at all
    float FsCapacidad = 0;            // safety factor on the capacity (0: 3 with cohesion, else 2)
    float Kh = 0;                     // horizontal earthquake coefficient (0: no earthquake case)
    float Kv = 0;                     // vertical earthquake coefficient
    float Hw = 0;                     // water table above the footing's underside (0: drained)

    // --- Project identity ---
    std::string Titulo;
    std::string NombreArchivo;

    // --- Fixed constants (set by the default project) ---
    float FactCm = 0, FactCm2 = 0, CoefCorte = 0, Recub = 0, PasoFc = 0, FcRef = 0,
          CteBalance = 0, FactKg = 0, FactTon = 0, GammaC = 0, PasoBase = 0, FactPres = 0,
          PasoAltZap = 0, FactCarga = 0, CuantMin = 0;

    // --- Angles and earth-pressure factors ---
    float BetaRad = 0, Phi1Rad = 0, Phi2Rad = 0, CotPhi2 = 0, CosBeta = 0, Cos2Beta = 0,
          Cos2Phi1 = 0, Ka = 0;

    // --- Stem shear and thickness ---
    float PresSobrec = 0, PresMuroBase = 0, CortMuroBase = 0, CortAdm = 0, CortAdmT = 0,
          EspReq = 0, EspTope = 0, EspBase = 0, EsfCortMuro = 0;

    // --- Material factors (ExcesoFc, Beta1 and CuantMax are kept but never computed) ---
    float ExcesoFc = 0, Beta1 = 0, CuantMax = 0, DeltaH = 0, CoefAs = 0;

    // --- Stem reinforcement (after the section loop: the base section) ---
    float MomSeccActual = 0, EspSecc = 0, PeraltMuro = 0, TermMu = 0, AsMuro = 0,
          CuantMuro = 0, MomMitad = 0, AsMitad = 0;

    // --- Forces and moments about the toe ---
    float AltTalud = 0, AltTotal = 0, PesoRell = 0, PesoMuro1 = 0, PesoMuro2 = 0, PesoZap = 0,
          PresTotal = 0, Empuje = 0, EmpujeV = 0, BrazoRell = 0, BrazoMuro1 = 0, BrazoMuro2 = 0,
          BrazoZap = 0, BrazoEmpV = 0, MomRell = 0, MomMuro1 = 0, MomMuro2 = 0, MomZap = 0,
          MomEmpV = 0, MomEstab = 0, SumaV = 0, BrazoEmp = 0, MomVuelco = 0, FsVuelco = 0,
          MomNeto = 0, PosRes = 0, Excent = 0, Base = 0, Base6 = 0;

    // --- Water behind the wall (Hw > 0) ---
    float EmpujeAgua = 0;       // hydrostatic thrust, horizontal, at Hw / 3
    float AlivioAgua = 0;       // earth thrust lost below the water table (submerged weight)
    float Subpresion = 0;       // uplift under the footing, a triangle up to γw Hw at the heel
    float MomAgua = 0;          // overturning moment of the water thrust and the uplift

    // --- Earthquake case (Kh > 0) ---
    float Psi = 0, Kae = 0, Kae0 = 0, DeltaPae = 0, BrazoDeltaPae = 0, InerciaMuro = 0,
          InerciaZap = 0, InerciaRell = 0, MomInercia = 0, SumaVSismo = 0, MomEstabSismo = 0,
          MomVuelcoSismo = 0, FsVuelcoSismo = 0, FuerzaResistSismo = 0, EmpujeHSismo = 0,
          FsDeslizSismo = 0, ExcentSismo = 0, Base3 = 0, PresMaxSismo = 0, PresAdmSismo = 0;

    // --- Sliding ---
    float AltPasiva = 0, RaizKp = 0, Kp = 0, EmpPasivo = 0, FuerzaFric = 0, FuerzaCohes = 0,
          FuerzaResist = 0, EmpujeH = 0, FsDesliz = 0;

    // --- Bearing ---
    float Pi = 0, Nc = 0, Nq = 0, Ngamma = 0, BaseEfec = 0, Iq = 0, Ic = 0, Igamma = 0, Dc = 0,
          Dq = 0, CapCarga = 0, PresAdm = 0, PresMax = 0, PresMin = 0;

    // --- Footing ---
    float PeraltZap = 0, PresNetaPunta = 0, GradPres = 0, CortPunta = 0, MomPunta = 0,
          LuzTalon = 0, AltRellMed = 0, CargaTalon = 0, CargaNetaTalon = 0, CortTalon = 0,
          MomTalon = 0, CortZap = 0, EsfCortZap = 0, ReacPuntaMin = 0, MomPuntaMin = 0,
          CargaTalonTot = 0, MomTalonMin = 0, TermMuTalon = 0, AsPunta = 0, AsTalon = 0,
          CuantPunta = 0, CuantTalon = 0;
    std::int16_t SeccInsuf = 0;

    // --- Footing design step counter ---
    std::int16_t Contador = 0;

    // --- Secondary steel, cm2/m ---
    float AsRep1 = 0, AsRep2 = 0;

    // --- Bars: bit g set when group g (the reinforcement form's order) cannot be placed,
    // its clear spacing below the larger of the bar diameter and 2.5 cm ---
    std::int16_t BarrasSinEspacio = 0;

    // --- State that other windows keep program-wide ---
    std::int16_t BarrasIniciadas = 0;
    float AlturaAnt = 0;
    std::int16_t PrimeraActiv = 0;
    std::int16_t RefuerzoDisp = 0;
    std::string Encabezado, PiePagina;
    std::int16_t TipoMuro = 0;     // wall type code held by the main window
    std::int16_t ZapCentrada = 0;  // 1 while "Centrica" is selected
    std::int16_t PasivaSel = 0;
    float FsVuelcoAnt = 0, FsDeslizAnt = 0;
    float AltLibre = 0;            // free stem height above the front ground
};

}  // namespace tarelvo
