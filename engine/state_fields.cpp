#include "engine/state_fields.h"

#include <algorithm>

namespace tarelvo {

#define F(n) StateField{#n, StateField::Float, false, &ProjectState::n, nullptr, nullptr}
#define FIN(n) StateField{#n, StateField::Float, true, &ProjectState::n, nullptr, nullptr}
#define I(n) StateField{#n, StateField::Int16, false, nullptr, &ProjectState::n, nullptr}
#define IIN(n) StateField{#n, StateField::Int16, true, nullptr, &ProjectState::n, nullptr}
#define S(n) StateField{#n, StateField::Text, false, nullptr, nullptr, &ProjectState::n}

const std::vector<StateField>& StateFields() {
    static const std::vector<StateField> fields = [] {
        std::vector<StateField> v{
        FIN(AltDent),
        F(AltLibre),
        FIN(Hw),
        FIN(Kv),
        FIN(Kh),
        FIN(FsCapacidad),
        IIN(PasivaFrente),
        FIN(Mu),
        IIN(Friccion),
        FIN(FsMinDeslizSismo),
        FIN(FsMinVuelcoSismo),
        FIN(FsMinDesliz),
        FIN(FsMinVuelco),
        F(AltPasiva),
        F(AltRellMed),
        F(AltTalud),
        F(AltTotal),
        FIN(AltZap),
        FIN(Altura),
        F(AlturaAnt),
        FIN(AnchDent),
        FIN(Ancho),
        F(AsMitad),
        F(AsMuro),
        F(AsPunta),
        F(AsRep1),
        F(AsRep2),
        F(AsTalon),
        I(BarrasIniciadas),
        I(BarrasSinEspacio),
        F(Base),
        F(Base6),
        F(BaseEfec),
        FIN(Beta),
        F(Beta1),
        F(BetaRad),
        F(BrazoEmp),
        F(BrazoEmpV),
        F(BrazoMuro1),
        F(BrazoMuro2),
        F(BrazoRell),
        F(BrazoZap),
        F(CapCarga),
        F(CargaNetaTalon),
        F(CargaTalon),
        F(CargaTalonTot),
        F(CoefAs),
        F(CoefCorte),
        FIN(Cohes),
        FIN(Cohes1),
        IIN(ConDent),
        I(Contador),
        F(CortAdm),
        F(CortAdmT),
        F(CortMuroBase),
        F(CortPunta),
        F(CortTalon),
        F(CortZap),
        F(Cos2Beta),
        F(Cos2Phi1),
        F(CosBeta),
        F(CotPhi2),
        F(CteBalance),
        F(CuantMax),
        F(CuantMin),
        F(CuantMuro),
        F(CuantPunta),
        F(CuantTalon),
        F(Dc),
        F(DeltaH),
        F(Dq),
        FIN(Dsz),
        F(EmpPasivo),
        F(Empuje),
        F(EmpujeH),
        F(EmpujeV),
        S(Encabezado),
        F(EsfCortMuro),
        F(EsfCortZap),
        F(EspBase),
        F(EspReq),
        F(EspSecc),
        F(EspTope),
        F(Excent),
        F(ExcesoFc),
        F(FactCarga),
        F(FactCm),
        F(FactCm2),
        F(FactKg),
        F(FactPres),
        F(FactTon),
        FIN(Fc),
        F(FcRef),
        IIN(FormaMuro),
        F(FsDesliz),
        F(FsDeslizAnt),
        F(FsVuelco),
        F(FsVuelcoAnt),
        F(FuerzaCohes),
        F(FuerzaFric),
        F(FuerzaResist),
        FIN(Fy),
        FIN(Gamma1),
        FIN(Gamma2),
        FIN(GammaC),
        F(GradPres),
        F(Ic),
        F(Igamma),
        F(Iq),
        F(Ka),
        F(Kp),
        F(LuzTalon),
        F(MomEmpV),
        F(MomEstab),
        F(MomMitad),
        F(MomMuro1),
        F(MomMuro2),
        F(MomNeto),
        F(MomPunta),
        F(MomPuntaMin),
        F(MomRell),
        F(MomSeccActual),
        F(MomTalon),
        F(MomTalonMin),
        F(MomVuelco),
        F(MomZap),
        F(Nc),
        F(Ngamma),
        S(NombreArchivo),
        F(Nq),
        FIN(Padm),
        IIN(Pasiva),
        I(PasivaSel),
        F(PasoAltZap),
        F(PasoBase),
        F(PasoFc),
        F(PeraltMuro),
        F(PeraltZap),
        F(PesoMuro1),
        F(PesoMuro2),
        F(PesoRell),
        F(PesoZap),
        FIN(Phi1),
        F(Phi1Rad),
        FIN(Phi2),
        F(Phi2Rad),
        F(Pi),
        S(PiePagina),
        F(PosRes),
        F(PresAdm),
        F(PresMax),
        F(PresMin),
        F(PresMuroBase),
        F(PresNetaPunta),
        F(PresSobrec),
        F(PresTotal),
        I(PrimeraActiv),
        FIN(Punta),
        F(RaizKp),
        FIN(Reac),
        F(ReacPuntaMin),
        F(Recub),
        I(RefuerzoDisp),
        I(SeccInsuf),
        FIN(Sobrec),
        F(SumaV),
        FIN(Talon),
        F(TermMu),
        F(TermMuTalon),
        I(TipoMuro),
        S(Titulo),
        I(ZapCentrada),
        };
        std::sort(v.begin(), v.end(), [](const StateField& a, const StateField& b) {
            return std::string_view(a.name) < std::string_view(b.name);
        });
        return v;
    }();
    return fields;
}

#undef F
#undef FIN
#undef I
#undef IIN
#undef S

const StateField* FindStateField(std::string_view name) {
    // The fields are sorted by name; a batch looks up every value of every row.
    static const std::vector<std::string_view> nombres = [] {
        std::vector<std::string_view> n;
        for (const StateField& f : StateFields()) n.emplace_back(f.name);
        return n;
    }();
    const auto it = std::lower_bound(nombres.begin(), nombres.end(), name);
    if (it == nombres.end() || *it != name) return nullptr;
    return &StateFields()[static_cast<std::size_t>(it - nombres.begin())];
}

}  // namespace tarelvo
