# contact BAND DXCC DATE: one contact of log.asc, with CR LF, whose band, DXCC and date are given. Sourced by the
# window drives, which write small logs of their own.
contact() {
    printf 'N0CALL,%s,14.025,SSB,59,57,"Smith, J",nice qso,%s,y,n,ma,NA-123,Hampden,5,Springfield,%s,1234\r\n' "$@"
}
